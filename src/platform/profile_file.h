#pragma once
// The profile file through the system's profile API.
#include <string>

#include "settings/profile_store.h"

class ProfileFile final : public ProfileReader, public ProfileWriter {
  public:
    explicit ProfileFile(std::wstring path) : m_path(std::move(path)) {}
    int ReadInt(std::wstring_view section, std::wstring_view key, int fallback) const override;
    bool WriteString(std::wstring_view section, std::wstring_view key, const std::wstring& value) override;

  private:
    std::wstring m_path;
};
