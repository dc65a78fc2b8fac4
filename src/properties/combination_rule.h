#pragma once
// The combination rule: the owner may have chosen modifier combinations to be replaced.
#include <cstdint>

// The platform's hot-key rule bits for the combinations without Win; with Win the same
// bits moved up by 8.
constexpr std::uint16_t kHkCombNone = 0x0001;
constexpr std::uint16_t kHkCombS = 0x0002;
constexpr std::uint16_t kHkCombC = 0x0004;
constexpr std::uint16_t kHkCombA = 0x0008;
constexpr std::uint16_t kHkCombSC = 0x0010;
constexpr std::uint16_t kHkCombSA = 0x0020;
constexpr std::uint16_t kHkCombCA = 0x0040;
constexpr std::uint16_t kHkCombSCA = 0x0080;
constexpr int kHkCombWinShift = 8;

// The rule bit of a held-modifier value, or 0 when no rule can apply to it.
std::uint16_t CombinationBit(std::uint16_t heldModifiers);

// The modifiers the field shows for what is held: nothing when nothing is held,
// otherwise the held modifiers, or the replacement when their combination is in the mask.
std::uint16_t ShownModifiers(std::uint16_t heldKey, std::uint16_t heldModifiers, std::uint16_t ruleMask,
                             std::uint16_t ruleReplacement);
