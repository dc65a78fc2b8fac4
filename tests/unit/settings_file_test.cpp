#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "settings/settings_file.h"

namespace {

// A profile in memory that remembers what was asked of it, in order.
class MemoryProfile final : public ProfileReader, public ProfileWriter {
  public:
    std::map<std::wstring, int> values;
    mutable std::vector<std::wstring> reads;
    std::vector<std::pair<std::wstring, std::wstring>> writes;
    std::wstring failKey;

    int ReadInt(std::wstring_view section, std::wstring_view key, int fallback) const override {
        EXPECT_TRUE(section == L"SYSTEM");
        reads.emplace_back(key);
        const auto it = values.find(std::wstring(key));
        return it == values.end() ? fallback : it->second;
    }
    bool WriteString(std::wstring_view section, std::wstring_view key, const std::wstring& value) override {
        EXPECT_TRUE(section == L"SYSTEM");
        writes.emplace_back(key, value);
        return key != failKey;
    }
};

std::vector<std::wstring> Keys(const std::vector<std::pair<std::wstring, std::wstring>>& writes) {
    std::vector<std::wstring> keys;
    for (const auto& w : writes) keys.push_back(w.first);
    return keys;
}

}  // namespace

TEST(SettingsFile, LoadReadsTwelveKeysInOrderWithCurrentValuesAsFallback) {
    MemoryProfile profile;
    Settings s;
    LoadSettings(s, profile);
    const std::vector<std::wstring> expected = {L"COLORCODE",    L"TRANS",       L"SHAPE",       L"SIZE",
                                                L"RPHTOKEYFLAG", L"RPHOTKEY",    L"RPMODIFIERS", L"TENMETU",
                                                L"TENMETUTIME",  L"TENMETUTRIG", L"MOUSEMON",    L"HAMON"};
    EXPECT_TRUE(profile.reads == expected);
    const Settings defaults;
    EXPECT_EQ(s.transparency, defaults.transparency);
    EXPECT_EQ(s.sizeIndex, 3);
    EXPECT_EQ(s.hotKeyCode, 90);
    EXPECT_EQ(s.hotKeyModifiers, 1);
    EXPECT_EQ(s.blinkPeriod, 5);
}

TEST(SettingsFile, LoadTakesValuesAsReadButNeverPositionControlOrSensitivity) {
    MemoryProfile profile;
    profile.values = {{L"POSCTL", 7},  {L"KANDO", 99},      {L"COLORCODE", 4}, {L"SIZE", 9},
                      {L"TRANS", 120}, {L"TENMETUTIME", 0}, {L"SHAPE", -2}};
    Settings s;
    s.positionControl = 3;
    s.sensitivity = 4;
    LoadSettings(s, profile);
    EXPECT_EQ(s.positionControl, 0);
    EXPECT_EQ(s.sensitivity, 0);
    EXPECT_EQ(s.followInterval, 10);
    EXPECT_EQ(s.colourCode, 4);
    EXPECT_EQ(s.sizeIndex, 9);
    EXPECT_EQ(s.transparency, 120);
    EXPECT_EQ(s.blinkPeriod, 0);
    EXPECT_EQ(s.shape, -2);
    ApplyColourCode(s);
    EXPECT_EQ(s.markColour, 0x00FF0000u);
    EXPECT_EQ(s.clickColour, 0x0000FFFFu);
}

TEST(SettingsFile, SaveWritesFourteenKeysInOrderAsDecimalText) {
    MemoryProfile profile;
    Settings s;
    EXPECT_TRUE(SaveSettings(s, profile));
    const std::vector<std::pair<std::wstring, std::wstring>> defaults = {
        {L"COLORCODE", L"0"},   {L"TRANS", L"50"},  {L"SHAPE", L"0"},        {L"SIZE", L"3"},
        {L"POSCTL", L"0"},      {L"KANDO", L"0"},   {L"RPHTOKEYFLAG", L"0"}, {L"RPHOTKEY", L"90"},
        {L"RPMODIFIERS", L"1"}, {L"TENMETU", L"0"}, {L"TENMETUTIME", L"5"},  {L"TENMETUTRIG", L"0"},
        {L"MOUSEMON", L"0"},    {L"HAMON", L"0"}};
    EXPECT_TRUE(profile.writes == defaults);

    MemoryProfile negative;
    s.colourCode = -1;
    s.hotKeyCode = INT32_MIN;
    SaveSettings(s, negative);
    EXPECT_TRUE(negative.writes[0].second == L"-1");
    EXPECT_TRUE(negative.writes[7].second == L"-2147483648");
}

// Distinct values catch a key paired with another key's field, which a round trip alone would not.
TEST(SettingsFile, EachKeyCarriesItsOwnFieldBothWays) {
    Settings s;
    int* const inKeyOrder[] = {&s.colourCode,      &s.transparency, &s.shape,         &s.sizeIndex,
                               &s.positionControl, &s.sensitivity,  &s.hotKeyEnabled, &s.hotKeyCode,
                               &s.hotKeyModifiers, &s.blinkEnabled, &s.blinkPeriod,   &s.blinkTrigger,
                               &s.clickMonitor,    &s.rippleEnabled};
    for (int i = 0; i < 14; ++i) *inKeyOrder[i] = 100 + i;
    MemoryProfile profile;
    SaveSettings(s, profile);
    ASSERT_EQ(profile.writes.size(), 14u);
    for (int i = 0; i < 14; ++i) {
        EXPECT_TRUE(profile.writes[i].second == std::to_wstring(100 + i)) << i;
        profile.values[profile.writes[i].first] = 100 + i;
    }
    Settings loaded;
    LoadSettings(loaded, profile);
    s.positionControl = 0;
    s.sensitivity = 0;
    EXPECT_EQ(loaded, s);
}

TEST(SettingsFile, AFailedWriteIsReportedButEveryKeyIsStillWritten) {
    MemoryProfile profile;
    profile.failKey = L"SHAPE";
    EXPECT_FALSE(SaveSettings(Settings{}, profile));
    EXPECT_EQ(profile.writes.size(), 14u);
    EXPECT_TRUE(Keys(profile.writes).back() == L"HAMON");
}

TEST(SettingsFile, ProfilePathIsBesideTheExecutable) {
    EXPECT_TRUE(ProfilePath(L"C:\\a b") == L"C:\\a b\\Glimmora.ini");
    EXPECT_TRUE(ProfilePath(L"C:") == L"C:\\Glimmora.ini");
}
