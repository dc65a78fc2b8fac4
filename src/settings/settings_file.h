#pragma once
// Reading and writing the settings record in section "SYSTEM" of Glimmora.ini.
#include "settings/profile_store.h"
#include "settings/settings.h"

inline constexpr wchar_t kProfileFileName[] = L"Glimmora.ini";
inline constexpr wchar_t kProfileSection[] = L"SYSTEM";

// Reads every key but POSCTL and KANDO over the record, each with the field's current value as its fallback.
// Takes values as read: range limits belong to whoever uses them.
void LoadSettings(Settings& s, const ProfileReader& profile);

// Writes every key, in the table's order, even after a failed write.
// Returns false when any write failed, so the caller can tell the user.
bool SaveSettings(const Settings& s, ProfileWriter& profile);

// The profile path: the executable directory followed by "\Glimmora.ini".
std::wstring ProfilePath(const std::wstring& executableDirectory);
