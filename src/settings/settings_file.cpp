#include "settings/settings_file.h"

#include <string>

void LoadSettings(Settings& s, const ProfileReader& profile) {
    const auto read = [&](const wchar_t* key, int& field) {
        field = profile.ReadInt(kProfileSection, key, field);
    };
    read(L"COLORCODE", s.colourCode);
    read(L"TRANS", s.transparency);
    read(L"SHAPE", s.shape);
    read(L"SIZE", s.sizeIndex);
    // Position control and sensitivity are carried but never taken from the file.
    s.positionControl = 0;
    s.sensitivity = 0;
    read(L"RPHTOKEYFLAG", s.hotKeyEnabled);
    read(L"RPHOTKEY", s.hotKeyCode);
    read(L"RPMODIFIERS", s.hotKeyModifiers);
    read(L"TENMETU", s.blinkEnabled);
    read(L"TENMETUTIME", s.blinkPeriod);
    read(L"TENMETUTRIG", s.blinkTrigger);
    s.followInterval = 10;
    read(L"MOUSEMON", s.clickMonitor);
    read(L"HAMON", s.rippleEnabled);
}

bool SaveSettings(const Settings& s, ProfileWriter& profile) {
    const struct {
        const wchar_t* key;
        int value;
    } entries[] = {
        {L"COLORCODE", s.colourCode},      {L"TRANS", s.transparency},
        {L"SHAPE", s.shape},               {L"SIZE", s.sizeIndex},
        {L"POSCTL", s.positionControl},    {L"KANDO", s.sensitivity},
        {L"RPHTOKEYFLAG", s.hotKeyEnabled}, {L"RPHOTKEY", s.hotKeyCode},
        {L"RPMODIFIERS", s.hotKeyModifiers}, {L"TENMETU", s.blinkEnabled},
        {L"TENMETUTIME", s.blinkPeriod},   {L"TENMETUTRIG", s.blinkTrigger},
        {L"MOUSEMON", s.clickMonitor},     {L"HAMON", s.rippleEnabled},
    };
    bool allWritten = true;
    for (const auto& e : entries) {
        // std::to_wstring gives exactly "%d": a minus sign, no blanks, no leading zeros.
        if (!profile.WriteString(kProfileSection, e.key, std::to_wstring(e.value))) allWritten = false;
    }
    return allWritten;
}

std::wstring ProfilePath(const std::wstring& executableDirectory) {
    return executableDirectory + L"\\" + kProfileFileName;
}
