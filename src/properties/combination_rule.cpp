#include "properties/combination_rule.h"

#include "properties/hot_key_modifiers.h"

std::uint16_t CombinationBit(std::uint16_t heldModifiers) {
    // Indexed by Shift | Ctrl | Alt; the rule bits are not in flag order (Alt before Shift+Ctrl).
    static constexpr std::uint16_t kByFlags[] = {kHkCombNone, kHkCombS,  kHkCombC,  kHkCombSC,
                                                 kHkCombA,    kHkCombSA, kHkCombCA, kHkCombSCA};
    constexpr std::uint16_t kThree = kHotKeyFShift | kHotKeyFControl | kHotKeyFAlt;
    if (heldModifiers & ~(kThree | kHotKeyFWin)) return 0;
    const std::uint16_t bit = kByFlags[heldModifiers & kThree];
    return (heldModifiers & kHotKeyFWin) ? static_cast<std::uint16_t>(bit << kHkCombWinShift) : bit;
}

std::uint16_t ShownModifiers(std::uint16_t heldKey, std::uint16_t heldModifiers, std::uint16_t ruleMask,
                             std::uint16_t ruleReplacement) {
    if (heldKey == 0 && heldModifiers == 0) return 0;
    return (ruleMask & CombinationBit(heldModifiers)) ? ruleReplacement : heldModifiers;
}
