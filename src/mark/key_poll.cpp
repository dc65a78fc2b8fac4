#include "mark/key_poll.h"

#include "base/virtual_keys.h"

bool ButtonPressed(KeyPoll& keys, std::uint16_t vk) {
    const auto state = static_cast<std::uint16_t>(keys.AsyncKeyState(vk));
    return (state & (kKeyDownNow | kKeyPressedSinceLastQuery)) != 0;
}

bool KeyHeld(KeyPoll& keys, std::uint16_t vk) {
    const auto state = static_cast<std::uint16_t>(keys.AsyncKeyState(vk));
    return (state & kKeyDownNow) != 0;
}

std::int16_t LogicalButtons::AsyncKeyState(std::uint16_t vk) {
    if (m_swapped && vk == vk::kLButton)
        vk = vk::kRButton;
    else if (m_swapped && vk == vk::kRButton)
        vk = vk::kLButton;
    return m_physical.AsyncKeyState(vk);
}
