#pragma once
// System-wide hot keys registered on one of our windows.
#include <windows.h>

// Whether the combination can be registered by this process now. It is released again at once,
// also after a failed registration.
bool ProbeHotKey(HWND window, int id, UINT modifiers, UINT key);
