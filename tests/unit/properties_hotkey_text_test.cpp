#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "properties/hot_key_modifiers.h"
#include "properties/hot_key_text.h"
#include "properties/key_name_buffer.h"

namespace {
// Compared as narrow text so that a failure prints the same whatever the width of wchar_t.
std::string Narrow(const std::wstring& w) {
    std::string s;
    for (wchar_t c : w) s += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
    return s;
}

struct FakeLayout {
    std::vector<std::string> calls;  // codes in call order
    std::wstring operator()(std::uint16_t code) {
        calls.push_back(std::to_string(code));
        switch (code) {
            case 0x10:
                return L"Shift";
            case 0x11:
                return L"Ctrl";
            case 0x12:
                return L"Alt";
            case 0x41:
                return L"A";
            default:
                return L"<" + std::to_wstring(code) + L">";
        }
    }
};

std::string Compose(FakeLayout& layout, std::uint16_t key, std::uint16_t modifiers) {
    return Narrow(ComposeHotKeyText(key, modifiers, std::ref(layout)));
}
}  // namespace

TEST(HotKeyText, ModifiersInFixedOrderThenTheKey) {
    FakeLayout layout;
    EXPECT_EQ(Compose(layout, 0x41, kHotKeyFControl | kHotKeyFShift | kHotKeyFWin), "Ctrl + Shift + Win + A");
    EXPECT_EQ(Compose(layout, 0x41, 0x17), "Ctrl + Shift + Alt + Win + A");
}

TEST(HotKeyText, EmptyOnlyWhenKeyAndModifiersAreZero) {
    FakeLayout layout;
    EXPECT_EQ(Compose(layout, 0, 0), "");
    EXPECT_TRUE(layout.calls.empty());
    // A modifier alone still ends with whatever the layout names code 0.
    EXPECT_EQ(Compose(layout, 0, kHotKeyFControl), "Ctrl + <0>");
}

TEST(KeyNameBuffer, GrowsWhileTheNameFillsTheRoom) {
    std::vector<int> sizes;
    auto fill = [&](int length) {
        return [&sizes, length](wchar_t* buffer, int size) {
            sizes.push_back(size);
            const int count = std::min(length, size - 1);
            for (int i = 0; i < count; ++i) buffer[i] = L'a' + static_cast<wchar_t>(i % 26);
            buffer[count] = L'\0';
            return count;
        };
    };
    EXPECT_EQ(Narrow(ReadKeyName(fill(3))), "abc");
    EXPECT_EQ(sizes, (std::vector<int>{129}));

    sizes.clear();
    EXPECT_EQ(ReadKeyName(fill(128)).size(), 128u);  // exactly full: asked again to be sure
    EXPECT_EQ(sizes, (std::vector<int>{129, 257}));

    EXPECT_TRUE(ReadKeyName(fill(0)).empty());
    // A query that always fills the room stops at the cap instead of doubling forever.
    EXPECT_EQ(ReadKeyName([](wchar_t*, int size) { return size - 1; }).size(),
              static_cast<std::size_t>(kKeyNameMaxLength));
}
