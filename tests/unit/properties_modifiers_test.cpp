#include <gtest/gtest.h>

#include "properties/hot_key_modifiers.h"

TEST(HotKeyModifiers, EachBitMapsToItsPartnerBothWays) {
    struct Row {
        std::int32_t mod;
        std::uint16_t field;
    };
    const Row rows[] = {{kModAlt, 0x04}, {kModControl, 0x02}, {kModShift, 0x01}, {kModWin, 0x10}};
    for (const Row& r : rows) {
        EXPECT_EQ(ModifiersToFieldFlags(r.mod), r.field) << "MOD_ " << r.mod;
        EXPECT_EQ(FieldFlagsToModifiers(r.field), r.mod) << "field " << r.field;
    }
}

TEST(HotKeyModifiers, RoundTripsKeepTheFourBitsAndDropTheRest) {
    for (std::int32_t mod = 0; mod <= 0xF; ++mod) {
        EXPECT_EQ(FieldFlagsToModifiers(ModifiersToFieldFlags(mod)), mod);
    }
    for (unsigned field = 0; field <= 0x1F; ++field) {
        const auto flags = static_cast<std::uint16_t>(field);
        EXPECT_EQ(ModifiersToFieldFlags(FieldFlagsToModifiers(flags)), static_cast<std::uint16_t>(field & 0x17u))
            << "field " << field;
    }
    // Bits outside the four (MOD_NOREPEAT, high bits, a negative value) are dropped.
    EXPECT_EQ(ModifiersToFieldFlags(0x4000 | kModAlt), kHotKeyFAlt);
    EXPECT_EQ(ModifiersToFieldFlags(static_cast<std::int32_t>(0xFFFFFFF0u)), 0);
    EXPECT_EQ(ModifiersToFieldFlags(-1), 0x17);
    EXPECT_EQ(FieldFlagsToModifiers(0xFFFF), 0xF);
}
