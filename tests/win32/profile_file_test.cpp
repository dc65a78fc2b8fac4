// The settings record through the system's profile API, on real files in a scratch directory.
#include <windows.h>
// The headers below rely on <windows.h> coming first.
#include <gtest/gtest.h>

#include <cwchar>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/profile_file.h"
#include "settings/settings_file.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Every field the record stores or fixes, in declaration order.
std::vector<int> Fields(const Settings& s) {
    return {s.colourCode,   s.transparency,   s.shape,         s.sizeIndex,    s.positionControl,
            s.sensitivity,  s.followInterval, s.blinkEnabled,  s.blinkTrigger, s.blinkPeriod,
            s.clickMonitor, s.rippleEnabled,  s.hotKeyEnabled, s.hotKeyCode,   s.hotKeyModifiers};
}

// The lines a save of the defaults writes, in order.
const Lines kDefaultKeys = {"COLORCODE=0",   "TRANS=50",       "SHAPE=0",     "SIZE=3",        "POSCTL=0",
                            "KANDO=0",       "RPHTOKEYFLAG=0", "RPHOTKEY=90", "RPMODIFIERS=1", "TENMETU=0",
                            "TENMETUTIME=5", "TENMETUTRIG=0",  "MOUSEMON=0",  "HAMON=0"};

Lines Concat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class ProfileFileTest : public ::testing::Test {
  protected:
    std::wstring PathOf(const wchar_t* name) const { return m_dir / name; }
    std::wstring Ini() const { return PathOf(L"Glimmora.ini"); }

    static void WriteRaw(const std::wstring& path, const std::string& text) {
        std::ofstream(fs::path(path), std::ios::binary) << text;
    }
    // The file's non-blank lines, without line ends: where the system puts blank lines is its own.
    static Lines ReadLines(const std::wstring& path) {
        std::ifstream in(fs::path(path), std::ios::binary);
        Lines lines;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty()) lines.push_back(line);
        }
        return lines;
    }

    support::ScratchFolder m_dir{L"profile"};
};

}  // namespace

TEST_F(ProfileFileTest, SaveReplacesKeysInPlaceAppendsMissingOnesAndKeepsEverythingElse) {
    WriteRaw(Ini(),
             "[OTHER]\r\nSIZE=9\r\n"
             "[SYSTEM]\r\nSIZE=1\r\nFOREIGN=abc\r\nCOLORCODE=2\r\n"
             "[LAST]\r\nB=2\r\n");
    Settings s;
    s.colourCode = 4;
    s.sizeIndex = 5;
    s.hotKeyCode = -1;
    ProfileFile file(Ini());
    EXPECT_TRUE(SaveSettings(s, file));

    EXPECT_EQ(ReadLines(Ini()), (Lines{"[OTHER]",        "SIZE=9",      "[SYSTEM]",      "SIZE=5",    "FOREIGN=abc",
                                       "COLORCODE=4",    "TRANS=50",    "SHAPE=0",       "POSCTL=0",  "KANDO=0",
                                       "RPHTOKEYFLAG=0", "RPHOTKEY=-1", "RPMODIFIERS=1", "TENMETU=0", "TENMETUTIME=5",
                                       "TENMETUTRIG=0",  "MOUSEMON=0",  "HAMON=0",       "[LAST]",    "B=2"}));

    // And what was written reads back, the negative value included.
    Settings loaded;
    LoadSettings(loaded, file);
    EXPECT_EQ(Fields(loaded), Fields(s));
}

TEST_F(ProfileFileTest, SaveCreatesTheFileOrTheSectionAndReportsAFileItCannotWrite) {
    ProfileFile fresh(Ini());
    EXPECT_TRUE(SaveSettings(Settings{}, fresh));
    EXPECT_EQ(ReadLines(Ini()), Concat({"[SYSTEM]"}, kDefaultKeys));

    const std::wstring other = PathOf(L"other.ini");
    WriteRaw(other, "[OTHER]\r\nA=1\r\n");
    ProfileFile withoutSection(other);
    EXPECT_TRUE(SaveSettings(Settings{}, withoutSection));
    EXPECT_EQ(ReadLines(other), Concat({"[OTHER]", "A=1", "[SYSTEM]"}, kDefaultKeys));

    // A directory that does not exist is not created: every write fails, and the caller hears of it.
    ProfileFile unreachable(PathOf(L"missing\\Glimmora.ini"));
    EXPECT_FALSE(SaveSettings(Settings{}, unreachable));
    EXPECT_FALSE(fs::exists(fs::path(m_dir / L"missing")));
}

TEST_F(ProfileFileTest, MissingFileSectionOrKeysLeaveTheDefaultsAndCreateNoFile) {
    const Settings defaults;
    Settings s;
    LoadSettings(s, ProfileFile(Ini()));
    EXPECT_EQ(Fields(s), Fields(defaults));
    EXPECT_FALSE(fs::exists(Ini()));

    // Keys of another section are not ours; section and key names match without regard to case.
    WriteRaw(Ini(), "[OTHER]\r\nTRANS=10\r\n[system]\r\ncolorcode=4\r\n");
    Settings partial;
    LoadSettings(partial, ProfileFile(Ini()));
    Settings expected;
    expected.colourCode = 4;
    EXPECT_EQ(Fields(partial), Fields(expected));
}

// How malformed text turns into a number is the system's business: the record takes whatever the
// profile API returns for it, and nothing breaks.
TEST_F(ProfileFileTest, MalformedValuesAreTakenAsTheProfileApiReadsThem) {
    WriteRaw(Ini(),
             "[SYSTEM]\r\nCOLORCODE=abc\r\nTRANS=\r\nSHAPE=0x10\r\nSIZE=99999999999\r\nRPHOTKEY=-5\r\n"
             "RPMODIFIERS=   7\r\nTENMETUTIME=12abc\r\nTENMETU=+1\r\nHAMON=-99999999999\r\n");
    Settings s;
    LoadSettings(s, ProfileFile(Ini()));

    const Settings defaults;
    const struct {
        const wchar_t* key;
        int field;
        int fallback;
    } reads[] = {
        {L"COLORCODE", s.colourCode, defaults.colourCode},
        {L"TRANS", s.transparency, defaults.transparency},
        {L"SHAPE", s.shape, defaults.shape},
        {L"SIZE", s.sizeIndex, defaults.sizeIndex},
        {L"RPHOTKEY", s.hotKeyCode, defaults.hotKeyCode},
        {L"RPMODIFIERS", s.hotKeyModifiers, defaults.hotKeyModifiers},
        {L"TENMETUTIME", s.blinkPeriod, defaults.blinkPeriod},
        {L"TENMETU", s.blinkEnabled, defaults.blinkEnabled},
        {L"HAMON", s.rippleEnabled, defaults.rippleEnabled},
    };
    for (const auto& r : reads) {
        SCOPED_TRACE(std::string(r.key, r.key + std::wcslen(r.key)));
        EXPECT_EQ(r.field, static_cast<int>(::GetPrivateProfileIntW(L"SYSTEM", r.key, r.fallback, Ini().c_str())));
    }
    // Both systems take a sign and skip leading blanks.
    EXPECT_EQ(s.hotKeyCode, -5);
    EXPECT_EQ(s.hotKeyModifiers, 7);
    // Keys the file does not hold keep their defaults.
    EXPECT_EQ(s.blinkTrigger, defaults.blinkTrigger);
    EXPECT_EQ(s.clickMonitor, defaults.clickMonitor);
}
