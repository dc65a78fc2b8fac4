#pragma once
// What the desktop window manager and the DPI scaling do to our windows.
#include <windows.h>

// Vista and 7: the Flip3D task view shows the window above its flipped windows.
void KeepAboveFlip3D(HWND window);

// The dialog keeps its size in pixels, its layout and its fonts when it moves to a monitor of another
// scale; without this, the dialog manager rescales a per-monitor dialog by itself (Windows 10 1703 on).
void KeepPixelSizeOnDpiChange(HWND dialog);
