#pragma once
// The private messages the keyboard hook posts to the hot-key field.
#include <cstdint>

constexpr std::uint32_t kFieldKeyDown = 0x500;  // WM_USER + 0x100, for WM_KEYDOWN and WM_SYSKEYDOWN
constexpr std::uint32_t kFieldKeyUp = 0x501;    // WM_USER + 0x101, for WM_KEYUP and WM_SYSKEYUP

// The field message for a low-level keyboard message, or 0 when it is none of the four key
// messages. Inline: the hook calls it for every key event of the desktop.
constexpr std::uint32_t FieldKeyMessage(std::uint32_t keyboardMessage) {
    switch (keyboardMessage) {
        case 0x100:  // WM_KEYDOWN
        case 0x101:  // WM_KEYUP
        case 0x104:  // WM_SYSKEYDOWN
        case 0x105:  // WM_SYSKEYUP
            // The SYS variants differ by bit 0x4 only.
            return (keyboardMessage & 0xFFFB) + 0x400;
        default:
            return 0;
    }
}
