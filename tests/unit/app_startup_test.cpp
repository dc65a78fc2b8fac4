#include <gtest/gtest.h>

#include "app/executable_directory.h"
#include "app/main_window_layout.h"
#include "base/centring.h"
#include "base/path_text.h"

TEST(ExecutableDirectory, AbsoluteFirstArgumentDecidesAndOthersFallBackToTheModulePath) {
    const std::wstring module = L"C:\\Tools\\Glimmora\\Glimmora.exe";
    struct Row {
        const wchar_t* firstArgument;
        const wchar_t* expected;
    };
    const Row rows[] = {
        {L"C:\\Program Files\\Glimmora\\Glimmora.exe", L"C:\\Program Files\\Glimmora"},  // quotes already gone
        {L"D:\\Glimmora.exe", L"D:"},  // drive root: the drive, no backslash
        {L"\\\\server\\share\\Glimmora.exe", L"\\\\server\\share"},
        {L"Glimmora.exe", L"C:\\Tools\\Glimmora"},       // bare name: not the drive root
        {L"sub\\Glimmora.exe", L"C:\\Tools\\Glimmora"},  // relative: not sub\sub
        {L"..\\Glimmora.exe", L"C:\\Tools\\Glimmora"},
        {L"C:Glimmora.exe", L"C:\\Tools\\Glimmora"},         // drive-relative
        {L"\\Tools\\Glimmora.exe", L"C:\\Tools\\Glimmora"},  // root-relative
        {L"", L"C:\\Tools\\Glimmora"},
    };
    for (const Row& r : rows)
        EXPECT_TRUE(ExecutableDirectory(r.firstArgument, module) == r.expected)
            << "row with first argument of length " << std::wstring(r.firstArgument).size();
    EXPECT_TRUE(ExecutableDirectory(L"x.exe", L"Glimmora.exe").empty()) << "no backslash anywhere";
}

TEST(PathText, FileStemIsTheApplicationName) {
    EXPECT_TRUE(FileStem(L"C:\\a b\\Glimmora.exe") == L"Glimmora");
    EXPECT_TRUE(FileStem(L"C:\\x.y\\Pointer.v2.exe") == L"Pointer.v2");
    EXPECT_TRUE(FileStem(L"C:\\dir\\NoExtension") == L"NoExtension");
    EXPECT_TRUE(DirectoryPart(L"C:\\Glimmora.exe") == L"C:");
}

TEST(MainWindowLayout, CentringAndIconOriginTruncateTowardZero) {
    EXPECT_EQ(CentredOffset({100, 60}, {80, 40}), (Point{10, 10}));
    EXPECT_EQ(CentredOffset({90, 60}, {100, 60}), (Point{-5, 0}));   // 10 px narrower
    EXPECT_EQ(CentredOffset({97, 60}, {100, 63}), (Point{-1, -1}));  // 3 px: -1, not -2
    EXPECT_EQ(IconOrigin({36, 36}, {32, 32}), (Point{2, 2}));
    EXPECT_EQ(IconOrigin({33, 33}, {32, 32}), (Point{1, 1}));
    EXPECT_EQ(IconOrigin({0, 0}, {32, 32}), (Point{-15, -15}));  // not -16
}

TEST(MainWindowLayout, AboutCommandRange) {
    for (unsigned c = 0x10; c <= 0x1F; ++c) EXPECT_TRUE(IsAboutCommand(c)) << c;
    for (unsigned c : {0x0u, 0xFu, 0x20u, 0x21u, 0xF000u, 0xF060u, 0xF010u}) EXPECT_FALSE(IsAboutCommand(c)) << c;
}

TEST(Centring, DialogCentredOnOwnerAndKeptInTheWorkArea) {
    const Rect work{0, 0, 1024, 738};
    EXPECT_EQ(CentreWithin({100, 100, 300, 200}, {100, 50}, work), (Point{150, 125}));
    EXPECT_EQ(CentreWithin(work, {200, 100}, work), (Point{412, 319}));
    EXPECT_EQ(CentreWithin({0, 0, 40, 40}, {200, 100}, work), (Point{0, 0}));
    EXPECT_EQ(CentreWithin({980, 700, 1024, 738}, {200, 100}, work), (Point{824, 638}));
}
