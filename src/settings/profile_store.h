#pragma once
// The two narrow doors to the profile file: the Win32 shell implements them with the
// profile API, the tests with an in-memory store that remembers the order of writes.
#include <string>
#include <string_view>

class ProfileReader {
  public:
    // A key or file that is absent yields `fallback`.
    virtual int ReadInt(std::wstring_view section, std::wstring_view key, int fallback) const = 0;

  protected:
    ~ProfileReader() = default;
};

class ProfileWriter {
  public:
    // Replaces the key in place or appends it, creating section and file; false when nothing was written.
    virtual bool WriteString(std::wstring_view section, std::wstring_view key, const std::wstring& value) = 0;

  protected:
    ~ProfileWriter() = default;
};
