#pragma once
// DLLs outside the KnownDLLs are loaded by hand, from the system directory only: a folder such as
// Downloads may hold a planted version.dll or dwmapi.dll beside Glimmora.exe.
#include <windows.h>

#include "platform/handles.h"

// Takes the application's folder and the current directory out of every later DLL search, so that
// only the system directory is searched. Run first, before anything can load a DLL.
void RestrictDllSearchToSystem();

// `name` (e.g. L"version.dll") from the system directory, never from anywhere else; null when absent.
Library LoadSystemLibrary(const wchar_t* name);

// A function looked up at run time; null when the module does not export it. Functions newer than
// Vista are reached this way, so that the import table names none of them.
template <typename Function>
Function ProcAddress(HMODULE module, const char* name) {
    if (!module) return nullptr;
    // Through the generic function type, which converts to every other without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}
