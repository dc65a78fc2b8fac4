#include "properties/hot_key_decisions.h"

#include "properties/hot_key_modifiers.h"

HotKeyCombination FieldCombination(std::uint16_t selectedKey, std::uint16_t selectedModifiers) {
    return {selectedKey, FieldFlagsToModifiers(selectedModifiers)};
}

// A stored code of 0x10000 or more, or stored modifiers with bits beyond the four, can never
// equal what the field holds, so such a combination is always probed and then reduced.
std::optional<HotKeyCombination> DuplicateCheckProbe(HotKeyCombination stored, std::uint16_t selectedKey,
                                                     std::uint16_t selectedModifiers) {
    const HotKeyCombination field = FieldCombination(selectedKey, selectedModifiers);
    if (field == stored) return std::nullopt;  // a combination we hold ourselves would fail the probe
    return field;
}

std::optional<HotKeyCombination> OkHandlerProbe(std::int32_t hotKeyEnabled, HotKeyCombination stored,
                                                std::uint16_t selectedKey, std::uint16_t selectedModifiers) {
    if (hotKeyEnabled == 0) return std::nullopt;  // the field is ignored while the hot key is off
    return DuplicateCheckProbe(stored, selectedKey, selectedModifiers);
}
