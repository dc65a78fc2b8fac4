#include <gtest/gtest.h>

#include "app/version_text.h"

TEST(VersionText, LabelRewritesThePunctuationOfTheVersion) {
    struct Row {
        const wchar_t* text;
        const wchar_t* label;
    };
    const Row rows[] = {
        {L"Ver.:2.3.4.135", L"Glimmora Ver.:2-3-4-135"},
        {L"Ver.:1, 0, 0, 1", L"Glimmora Ver.:1- 0- 0- 1"},
        {L"Ver.:1;2", L"Glimmora Ver.:1.2"},
        {L"Ver.:5%", L"Glimmora Ver.:5.:"},
        {L"Ver.:a.:b", L"Glimmora Ver.:a.:b"},
        {L"", L"Glimmora "},
        {L"..::", L"Glimmora -.::"},
    };
    for (const Row& r : rows) EXPECT_TRUE(BuildVersionText(r.text) == r.label) << std::wstring(r.text).size();
}

TEST(VersionText, FormattedFromTheProductVersionAndCutSafely) {
    EXPECT_TRUE(FormatVersionText(L"2.3.4.135") == L"Ver.:2.3.4.135");
    EXPECT_TRUE(FormatVersionText(L"") == L"Ver.:");
    const std::wstring longVersion(1000, L'9');
    const std::wstring text = FormatVersionText(longVersion);
    EXPECT_EQ(text.size(), kMaxVersionTextLength);
    EXPECT_TRUE(text.starts_with(L"Ver.:999"));
}
