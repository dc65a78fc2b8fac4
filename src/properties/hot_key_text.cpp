#include "properties/hot_key_text.h"

#include "base/virtual_keys.h"
#include "properties/hot_key_modifiers.h"

namespace {
constexpr wchar_t kSeparator[] = L" + ";
constexpr wchar_t kWinName[] = L"Win";  // the layout has no name for the Win keys
}  // namespace

std::wstring ComposeHotKeyText(std::uint16_t key, std::uint16_t modifiers, const KeyNameLookup& lookup) {
    if (key == 0 && modifiers == 0) return {};
    std::wstring text;
    if (modifiers & kHotKeyFControl) text += lookup(vk::kControl) + kSeparator;
    if (modifiers & kHotKeyFShift) text += lookup(vk::kShift) + kSeparator;
    if (modifiers & kHotKeyFAlt) text += lookup(vk::kMenu) + kSeparator;
    if (modifiers & kHotKeyFWin) {
        text += kWinName;
        text += kSeparator;
    }
    text += lookup(key);
    return text;
}
