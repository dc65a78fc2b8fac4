#include "platform/system_library.h"

#include <string>

namespace {

// Windows 8, and Vista and 7 with update KB2533623.
using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);

bool SearchFlagsSupported() {
    static const bool supported = ProcAddress<SetDefaultDllDirectoriesFn>(::GetModuleHandleW(L"kernel32.dll"),
                                                                          "SetDefaultDllDirectories") != nullptr;
    return supported;
}

}  // namespace

void RestrictDllSearchToSystem() {
    const auto setDefault =
        ProcAddress<SetDefaultDllDirectoriesFn>(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    // Without the update the application's folder cannot be left out; at least the current
    // directory goes, and our own loads name the system directory in full.
    ::SetDllDirectoryW(L"");
}

Library LoadSystemLibrary(const wchar_t* name) {
    if (SearchFlagsSupported()) return Library(::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    wchar_t directory[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(directory, length) + L"\\" + name;
    // The DLL's own dependencies are then searched from the system directory first, too.
    return Library(::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}
