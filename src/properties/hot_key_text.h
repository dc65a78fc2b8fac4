#pragma once
// The text the hot-key field shows for its selection.
#include <cstdint>
#include <functional>
#include <string>

// The keyboard layout's name of a virtual-key code (the shell passes KeyNameText).
using KeyNameLookup = std::function<std::wstring(std::uint16_t code)>;

// "Ctrl + Shift + Alt + Win + key", each modifier present only when selected; empty when
// key and modifiers are both 0. The key's own name always ends the text, also for key 0.
std::wstring ComposeHotKeyText(std::uint16_t key, std::uint16_t modifiers, const KeyNameLookup& lookup);
