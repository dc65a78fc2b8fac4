#pragma once
// A control of a dialog subclassed so that a C++ object handles its messages.
#include <windows.h>

#include "platform/window.h"

class Control : public Window {
  public:
    Control() = default;
    ~Control() override;

    // Binds the object to an existing control; the subclass goes with the control's window.
    bool Subclass(HWND control);

  protected:
    // Overrides call this base (the control's own handling) for what they do not take.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The control's window is going: the last moment to release what is tied to it.
    virtual void OnNcDestroy() {}

  private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR) noexcept;
};
