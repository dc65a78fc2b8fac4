#include "settings/settings_file.h"

#include <string>

namespace {

struct ProfileKey {
    const wchar_t* name;
    int Settings::*field;
    bool read;  // false: written for other readers of the file, never taken from it
};

// Every key of the profile, in the order the file gets them.
constexpr ProfileKey kProfileKeys[] = {
    {L"COLORCODE", &Settings::colourCode, true},
    {L"TRANS", &Settings::transparency, true},
    {L"SHAPE", &Settings::shape, true},
    {L"SIZE", &Settings::sizeIndex, true},
    {L"POSCTL", &Settings::positionControl, false},
    {L"KANDO", &Settings::sensitivity, false},
    {L"RPHTOKEYFLAG", &Settings::hotKeyEnabled, true},
    {L"RPHOTKEY", &Settings::hotKeyCode, true},
    {L"RPMODIFIERS", &Settings::hotKeyModifiers, true},
    {L"TENMETU", &Settings::blinkEnabled, true},
    {L"TENMETUTIME", &Settings::blinkPeriod, true},
    {L"TENMETUTRIG", &Settings::blinkTrigger, true},
    {L"MOUSEMON", &Settings::clickMonitor, true},
    {L"HAMON", &Settings::rippleEnabled, true},
};

}  // namespace

void LoadSettings(Settings& s, const ProfileReader& profile) {
    // A key that is never read leaves its field at the default on every run.
    const Settings defaults;
    for (const ProfileKey& key : kProfileKeys)
        s.*key.field = key.read ? profile.ReadInt(kProfileSection, key.name, s.*key.field) : defaults.*key.field;
}

bool SaveSettings(const Settings& s, ProfileWriter& profile) {
    bool allWritten = true;
    for (const ProfileKey& key : kProfileKeys) {
        // std::to_wstring gives exactly "%d": a minus sign, no blanks, no leading zeros.
        if (!profile.WriteString(kProfileSection, key.name, std::to_wstring(s.*key.field))) allWritten = false;
    }
    return allWritten;
}

std::wstring ProfilePath(const std::wstring& executableDirectory) {
    return executableDirectory + L"\\" + kProfileFileName;
}
