#include "mark/key_poll.h"

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
