#include "platform/window_manager.h"

#include "platform/system_library.h"

void KeepAboveFlip3D(HWND window) {
    constexpr DWORD kFlip3DPolicy = 8;  // DWMWA_FLIP3D_POLICY
    constexpr DWORD kExcludeAbove = 2;  // DWMFLIP3D_EXCLUDEABOVE
    using SetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    // dwmapi.dll is no KnownDLL: imported, it would be looked for beside the exe first.
    const Library dwm = LoadSystemLibrary(L"dwmapi.dll");
    if (const auto set = ProcAddress<SetAttributeFn>(dwm.get(), "DwmSetWindowAttribute"))
        set(window, kFlip3DPolicy, &kExcludeAbove, sizeof(kExcludeAbove));
}

void KeepPixelSizeOnDpiChange(HWND dialog) {
    constexpr int kDisableAll = 1;  // DDC_DISABLE_ALL
    using SetBehaviourFn = BOOL(WINAPI*)(HWND, int, int);
    if (const auto set = ProcAddress<SetBehaviourFn>(::GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior"))
        set(dialog, kDisableAll, kDisableAll);
}

namespace {

HMODULE User32() { return ::GetModuleHandleW(L"user32.dll"); }

// Windows 8 on: a window can be visible and yet not be drawn (DWMWA_CLOAKED). Looked up once; the
// library stays for the process, since the mark asks on every placement.
bool Cloaked(HWND window) {
    using GetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
    static const Library dwm = LoadSystemLibrary(L"dwmapi.dll");
    static const auto get = ProcAddress<GetAttributeFn>(dwm.get(), "DwmGetWindowAttribute");
    constexpr DWORD kCloaked = 14;  // DWMWA_CLOAKED
    DWORD cloaked = 0;
    return get && SUCCEEDED(get(window, kCloaked, &cloaked, sizeof(cloaked))) && cloaked != 0;
}

}  // namespace

bool NothingShownAbove(HWND window) {
    for (HWND above = ::GetWindow(window, GW_HWNDPREV); above; above = ::GetWindow(above, GW_HWNDPREV))
        if (::IsWindowVisible(above) && !Cloaked(above)) return false;
    return true;
}

UINT DpiOf(HWND window) {
    using GetDpiFn = UINT(WINAPI*)(HWND);
    if (const auto get = ProcAddress<GetDpiFn>(User32(), "GetDpiForWindow"))
        if (const UINT dpi = get(window)) return dpi;
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
    if (screen) ::ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

std::optional<RECT> FrameForClient(DWORD style, DWORD exStyle, SIZE client, UINT dpi, POINT topLeft) {
    using AdjustFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjust = ProcAddress<AdjustFn>(User32(), "AdjustWindowRectExForDpi");
    RECT frame{0, 0, client.cx, client.cy};
    if (!adjust || !adjust(&frame, style, FALSE, exStyle, dpi)) return std::nullopt;
    return RECT{topLeft.x, topLeft.y, topLeft.x + frame.right - frame.left, topLeft.y + frame.bottom - frame.top};
}

std::optional<LOGFONTW> MenuFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    using ForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
    const auto forDpi = ProcAddress<ForDpiFn>(User32(), "SystemParametersInfoForDpi");
    const bool read = forDpi ? forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi) != FALSE
                             : ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) != FALSE;
    if (!read) return std::nullopt;
    return metrics.lfMenuFont;
}
