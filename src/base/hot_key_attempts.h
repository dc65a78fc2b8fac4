#pragma once
// How a hot key is registered so that holding it down fires it once.
#include <cstdint>
#include <optional>

constexpr std::uint32_t kModNoRepeat = 0x4000;                 // MOD_NOREPEAT
constexpr std::uint32_t kErrorHotKeyAlreadyRegistered = 1409;  // ERROR_HOTKEY_ALREADY_REGISTERED

// Registers `modifiers` through `attempt`, which asks the system with the modifiers it is given
// and answers nothing when they were taken, else the system's error. First with MOD_NOREPEAT, so
// that keyboard auto-repeat does not fire the hot key again and again; a system that does not know
// the flag (Vista) refuses it, and then the combination is asked for without it. A combination
// taken by someone else is taken either way: no second attempt. Answers what the deciding attempt
// answered. The flag is never part of what is stored or shown.
template <typename Attempt>
std::optional<std::uint32_t> RegisterWithoutRepeat(std::uint32_t modifiers, Attempt attempt) {
    const std::optional<std::uint32_t> refused = attempt(modifiers | kModNoRepeat);
    if (!refused || *refused == kErrorHotKeyAlreadyRegistered) return refused;
    return attempt(modifiers & ~kModNoRepeat);
}
