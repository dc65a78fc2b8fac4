#pragma once
// Which virtual-key codes the hot-key field counts as modifiers.
#include <cstdint>

// The field-form bit of a modifier key, or 0 for an ordinary key. Left and right keys
// share one bit; the Applications key counts as Win.
std::uint16_t ModifierFlagOfKey(std::uint16_t code);
