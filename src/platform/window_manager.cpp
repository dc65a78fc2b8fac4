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
