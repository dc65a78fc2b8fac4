#pragma once
// What the system says about itself and about our executable.
#include <optional>
#include <string>

// The product version of the first translation in the file's version resource: nullopt when the
// resource or its translation table cannot be read; an empty text when the value is missing.
std::optional<std::wstring> ReadProductVersion(const std::wstring& filePath);

// Whether Windows is at least major.minor.
bool IsWindowsVersionOrGreater(unsigned major, unsigned minor);
