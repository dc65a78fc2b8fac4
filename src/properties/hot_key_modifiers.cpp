#include "properties/hot_key_modifiers.h"

namespace {
struct ModifierPair {
    std::int32_t mod;
    std::uint16_t field;
};

constexpr ModifierPair kPairs[] = {
    {kModAlt, kHotKeyFAlt},
    {kModControl, kHotKeyFControl},
    {kModShift, kHotKeyFShift},
    {kModWin, kHotKeyFWin},
};
}  // namespace

// Only the four modifier bits cross over.
std::uint16_t ModifiersToFieldFlags(std::int32_t modifiers) {
    std::uint16_t flags = 0;
    for (const ModifierPair& p : kPairs) {
        if (modifiers & p.mod) flags |= p.field;
    }
    return flags;
}

std::int32_t FieldFlagsToModifiers(std::uint16_t flags) {
    std::int32_t modifiers = 0;
    for (const ModifierPair& p : kPairs) {
        if (flags & p.field) modifiers |= p.mod;
    }
    return modifiers;
}
