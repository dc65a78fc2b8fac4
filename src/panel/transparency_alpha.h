#pragma once
// The mark's alpha for the stored transparency.
#include <cstdint>

// transparency * 255 / 100, truncated toward zero, low 8 bits kept: 0..100 gives 0..255, and an
// out-of-range value from an edited profile wraps (101 gives 1, 120 gives 50) instead of being limited.
std::uint8_t AlphaFromTransparency(int transparency);
