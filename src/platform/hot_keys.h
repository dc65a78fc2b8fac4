#pragma once
// System-wide hot keys registered on one of our windows.
#include <windows.h>

#include <optional>

// Registers the combination so that holding it down fires it once where the system allows it
// (see RegisterWithoutRepeat). Nothing when registered, else the error that decided the refusal.
std::optional<DWORD> RegisterHotKeyOnce(HWND window, int id, UINT modifiers, UINT key);

// Whether the combination can be registered by this process now, asked exactly as
// RegisterHotKeyOnce asks. It is released again at once, also after a failed registration.
bool ProbeHotKey(HWND window, int id, UINT modifiers, UINT key);
