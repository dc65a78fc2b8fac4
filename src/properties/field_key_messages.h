#pragma once
// The private messages the keyboard hook posts to the hot-key field.
#include <cstdint>

// The four keyboard messages a low-level keyboard hook sees.
constexpr std::uint32_t kKeyDownMessage = 0x100;       // WM_KEYDOWN
constexpr std::uint32_t kKeyUpMessage = 0x101;         // WM_KEYUP
constexpr std::uint32_t kSysKeyDownMessage = 0x104;    // WM_SYSKEYDOWN
constexpr std::uint32_t kSysKeyUpMessage = 0x105;      // WM_SYSKEYUP
constexpr std::uint32_t kFirstPrivateMessage = 0x400;  // WM_USER

constexpr std::uint32_t kFieldKeyDown = kFirstPrivateMessage + kKeyDownMessage;  // also for WM_SYSKEYDOWN
constexpr std::uint32_t kFieldKeyUp = kFirstPrivateMessage + kKeyUpMessage;      // also for WM_SYSKEYUP

// The field message for a low-level keyboard message, or 0 when it is none of the four key
// messages. Inline: the hook calls it for every key event of the desktop.
constexpr std::uint32_t FieldKeyMessage(std::uint32_t keyboardMessage) {
    switch (keyboardMessage) {
        case kKeyDownMessage:
        case kKeyUpMessage:
        case kSysKeyDownMessage:
        case kSysKeyUpMessage:
            // A SYS variant differs from its plain message by one bit only.
            return (keyboardMessage & ~(kSysKeyDownMessage ^ kKeyDownMessage)) + kFirstPrivateMessage;
        default:
            return 0;
    }
}
