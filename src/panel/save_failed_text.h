#pragma once
// The message shown once when the settings cannot be written to the profile file.
#include <string>
#include <string_view>

inline constexpr wchar_t kSaveFailedText[] = L"設定を保存できませんでした(Could not save the settings).\n";

// kSaveFailedText followed by the file's path on a line of its own.
std::wstring SaveFailedText(std::wstring_view profilePath);
