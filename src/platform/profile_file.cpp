#include "platform/profile_file.h"

#include <windows.h>

int ProfileFile::ReadInt(std::wstring_view section, std::wstring_view key, int fallback) const {
    return static_cast<int>(
        ::GetPrivateProfileIntW(std::wstring(section).c_str(), std::wstring(key).c_str(), fallback, m_path.c_str()));
}

bool ProfileFile::WriteString(std::wstring_view section, std::wstring_view key, const std::wstring& value) {
    return ::WritePrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(), value.c_str(),
                                        m_path.c_str()) != FALSE;
}
