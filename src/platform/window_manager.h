#pragma once
// What the desktop window manager and the DPI scaling do to our windows.
#include <windows.h>

#include <optional>

// Vista and 7: the Flip3D task view shows the window above its flipped windows.
void KeepAboveFlip3D(HWND window);

// The dialog keeps its size in pixels, its layout and its fonts when it moves to a monitor of another
// scale; without this, the dialog manager rescales a per-monitor dialog by itself (Windows 10 1703 on).
void KeepPixelSizeOnDpiChange(HWND dialog);

// The window's DPI: its monitor's where the system scales per monitor (Windows 10 1607 on), else the
// system's.
UINT DpiOf(HWND window);

// The window rectangle whose client area is `client` pixels at `dpi` for a window of these styles, with
// its top left at `topLeft`. Nothing before Windows 10 1607, where a window's frame does not change with
// the monitor it is on.
std::optional<RECT> FrameForClient(DWORD style, DWORD exStyle, SIZE client, UINT dpi, POINT topLeft);

// The font of menus at `dpi` (at the system's DPI where the system cannot say it for another).
std::optional<LOGFONTW> MenuFont(UINT dpi);

// Whether no window above `window` in the z-order can be seen: each is hidden or cloaked (a tooltip
// that has closed, the shell's windows while they are not open, a window of another virtual desktop).
bool NothingShownAbove(HWND window);
