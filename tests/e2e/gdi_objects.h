#pragma once
// Counting another process's live GDI objects, on Windows and under Wine.
#include <windows.h>

namespace e2e {

// The live GDI objects of a process; -1 when they cannot be counted.
long GdiObjects(HANDLE process);

}  // namespace e2e
