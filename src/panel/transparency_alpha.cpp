#include "panel/transparency_alpha.h"

std::uint8_t AlphaFromTransparency(int transparency) {
    // 64 bits so that no edited value can overflow; where 32 bits do not overflow the quotient, and so
    // its low byte, is the same.
    const std::int64_t quotient = static_cast<std::int64_t>(transparency) * 255 / 100;
    return static_cast<std::uint8_t>(quotient & 0xFF);
}
