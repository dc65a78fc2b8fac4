#include "platform/version_info.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "platform/system_library.h"

namespace {

// version.dll is no KnownDLL: imported, it would be looked for beside the exe first.
struct VersionLibrary {
    Library module = LoadSystemLibrary(L"version.dll");
    decltype(&::GetFileVersionInfoSizeW) sizeOf =
        ProcAddress<decltype(sizeOf)>(module.get(), "GetFileVersionInfoSizeW");
    decltype(&::GetFileVersionInfoW) read = ProcAddress<decltype(read)>(module.get(), "GetFileVersionInfoW");
    decltype(&::VerQueryValueW) query = ProcAddress<decltype(query)>(module.get(), "VerQueryValueW");
    bool Usable() const { return sizeOf && read && query; }
};

}  // namespace

std::optional<std::wstring> ReadProductVersion(const std::wstring& filePath) {
    const VersionLibrary version;
    if (!version.Usable()) return std::nullopt;
    const DWORD size = version.sizeOf(filePath.c_str(), nullptr);
    if (size == 0) return std::nullopt;
    std::vector<unsigned char> block(size + 1);
    if (!version.read(filePath.c_str(), 0, size, block.data())) return std::nullopt;
    DWORD* translation = nullptr;
    UINT length = 0;
    if (!version.query(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof(DWORD))
        return std::nullopt;
    wchar_t subBlock[64];
    std::swprintf(subBlock, 64, L"\\StringFileInfo\\%04x%04x\\ProductVersion", LOWORD(*translation),
                  HIWORD(*translation));
    wchar_t* value = nullptr;
    UINT chars = 0;
    if (!version.query(block.data(), subBlock, reinterpret_cast<void**>(&value), &chars) || !value) return L"";
    return std::wstring(value, wcsnlen(value, chars));
}

bool IsWindowsVersionOrGreater(unsigned major, unsigned minor) {
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    info.dwMajorVersion = major;
    info.dwMinorVersion = minor;
    info.wServicePackMajor = 0;
    ULONGLONG mask = 0;
    mask = ::VerSetConditionMask(mask, VER_MAJORVERSION, VER_GREATER_EQUAL);
    mask = ::VerSetConditionMask(mask, VER_MINORVERSION, VER_GREATER_EQUAL);
    mask = ::VerSetConditionMask(mask, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
    return ::VerifyVersionInfoW(&info, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR, mask) != FALSE;
}
