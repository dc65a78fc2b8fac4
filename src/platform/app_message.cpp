#include "platform/app_message.h"

#include <windows.h>

#include <cstdio>

#include "base/path_text.h"
#include "platform/dialog.h"
#include "platform/module_path.h"

const std::wstring& ApplicationTitle() {
    static const std::wstring title = FileStem(ModulePath());
    return title;
}

void ShowAppMessage(const std::wstring& text) {
    HWND owner = ::GetActiveWindow();
    if (!owner) owner = ApplicationMainWindow();
    ::MessageBoxW(owner, text.c_str(), ApplicationTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void TraceLine(const char* format, int value) {
    std::printf(format, value);
    std::fflush(stdout);
}
