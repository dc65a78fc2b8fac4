#include "mark/key_poll.h"

#include "base/virtual_keys.h"

namespace {
constexpr std::uint16_t kDownNow = 0x8000;
constexpr std::uint16_t kPressedSinceLastQuery = 0x0001;
}  // namespace

bool ButtonPressed(KeyPoll& keys, std::uint16_t vk) {
    const auto state = static_cast<std::uint16_t>(keys.AsyncKeyState(vk));
    return (state & (kDownNow | kPressedSinceLastQuery)) != 0;
}

bool KeyHeld(KeyPoll& keys, std::uint16_t vk) {
    const auto state = static_cast<std::uint16_t>(keys.AsyncKeyState(vk));
    return (state & kDownNow) != 0;
}

std::int16_t LogicalButtons::AsyncKeyState(std::uint16_t vk) {
    if (m_swapped && vk == vk::kLButton)
        vk = vk::kRButton;
    else if (m_swapped && vk == vk::kRButton)
        vk = vk::kLButton;
    return m_physical.AsyncKeyState(vk);
}
