#pragma once
// The About box's version line.
#include <cstddef>
#include <string>

// The version text holds at most this many characters.
inline constexpr std::size_t kMaxVersionTextLength = 255;

// "Ver.:" followed by the product version, cut to the version text's capacity.
// A missing product version gives "Ver.:" alone.
std::wstring FormatVersionText(const std::wstring& productVersion);

// "Glimmora " followed by the version text with its punctuation rewritten:
// dots and commas of the version become hyphens, semicolons dots, and the "Ver.:" prefix survives.
std::wstring BuildVersionText(const std::wstring& versionText);
