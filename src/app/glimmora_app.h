#pragma once
// The application object: the single-instance guard, then the main window run modally.

class CGlimmoraApp {
  public:
    // Returns the process exit code; the process ends when it returns.
    int InitInstance();
};
