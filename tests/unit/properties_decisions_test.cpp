#include <gtest/gtest.h>

#include <iterator>

#include "properties/hot_key_decisions.h"
#include "properties/hot_key_modifiers.h"
#include "properties/properties_messages.h"

namespace {
constexpr std::uint16_t kZ = 0x5A;
constexpr HotKeyCombination kAltZ{kZ, kModAlt};
}  // namespace

TEST(HotKeyDecisions, TheStoredCombinationIsNeverProbed) {
    EXPECT_EQ(OkHandlerProbe(1, kAltZ, kZ, kHotKeyFAlt), std::nullopt);
    EXPECT_EQ(DuplicateCheckProbe(kAltZ, kZ, kHotKeyFAlt), std::nullopt);
}

TEST(HotKeyDecisions, AChangedCombinationIsProbedInMODForm) {
    const HotKeyCombination winShiftA{0x41, kModWin | kModShift};
    EXPECT_EQ(OkHandlerProbe(1, kAltZ, 0x41, kHotKeyFWin | kHotKeyFShift), winShiftA);
    EXPECT_EQ(DuplicateCheckProbe(kAltZ, 0x41, kHotKeyFWin | kHotKeyFShift), winShiftA);
    // An empty field is a change too: probed, and stored if free.
    EXPECT_EQ(OkHandlerProbe(1, kAltZ, 0, 0), (HotKeyCombination{0, 0}));
    EXPECT_EQ(OkHandlerProbe(1, HotKeyCombination{0, 0}, 0, 0), std::nullopt);
}

TEST(HotKeyDecisions, OutOfRangeStoredValuesNeverEqualTheField) {
    // What the preset would show for these stored values is probed, then stored reduced.
    EXPECT_EQ(OkHandlerProbe(1, HotKeyCombination{kZ, 0x4000 | kModAlt}, kZ, kHotKeyFAlt), kAltZ);
    EXPECT_EQ(OkHandlerProbe(1, HotKeyCombination{0x10000 + kZ, kModAlt}, kZ, kHotKeyFAlt), kAltZ);
    EXPECT_EQ(DuplicateCheckProbe(HotKeyCombination{kZ, -1}, kZ, 0x17), (HotKeyCombination{kZ, 0xF}));
}

TEST(HotKeyDecisions, DisabledHotKeyKeepsTheStoredOneButTheCheckStillProbes) {
    EXPECT_EQ(OkHandlerProbe(0, kAltZ, 0x41, kHotKeyFControl), std::nullopt);
    EXPECT_EQ(OkHandlerProbe(0, HotKeyCombination{0x10000, 0x100}, 0, 0), std::nullopt);
    EXPECT_EQ(DuplicateCheckProbe(kAltZ, 0x41, kHotKeyFControl), (HotKeyCombination{0x41, kModControl}));
    EXPECT_NE(OkHandlerProbe(-1, kAltZ, 0x41, kHotKeyFControl), std::nullopt);  // any non-zero is on
}

TEST(PropertiesTexts, DecodedAsWrittenWhateverTheWidthOfWchar) {
    // All characters lie in the basic plane, so the counts hold for 16- and 32-bit wchar_t;
    // a source read in the wrong encoding would give more units.
    EXPECT_EQ(std::size(kCurrentSettingText) - 1, 8u);
    EXPECT_EQ(kCurrentSettingText[7], 0x3002);  // ideographic full stop
    EXPECT_EQ(std::size(kProbeFreeText) - 1, 7u);
    EXPECT_EQ(kProbeFreeText[6], L'.');
    EXPECT_EQ(std::size(kProbeTakenText) - 1, 50u);
    EXPECT_EQ(std::size(kOkProbeTakenText) - 1, 48u);
    EXPECT_EQ(kProbeTakenText[0], 0x3053);
    EXPECT_EQ(kOkProbeTakenText[6], 0x8A2D);
}
