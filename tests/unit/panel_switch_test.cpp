#include <gtest/gtest.h>

#include <climits>
#include <string_view>

#include "panel/switch_step.h"
#include "panel/transparency_alpha.h"

TEST(SwitchStep, MarkTextAndMinimiseChangeTogether) {
    EXPECT_EQ(DecideSwitch(true, false), MarkChange::Create);
    const SwitchOutcome on = SwitchOutcomeFor(MarkChange::Create, true, true);
    EXPECT_TRUE(on.onFlag);
    EXPECT_EQ(std::wstring_view(on.buttonText), L"OFF");
    EXPECT_TRUE(on.minimiseMainWindow);

    EXPECT_EQ(DecideSwitch(false, true), MarkChange::Destroy);
    const SwitchOutcome off = SwitchOutcomeFor(MarkChange::Destroy, false, false);
    EXPECT_FALSE(off.onFlag);
    EXPECT_EQ(std::wstring_view(off.buttonText), L"ON");
    EXPECT_FALSE(off.minimiseMainWindow) << "switching off never restores nor minimises";

    for (const bool flag : {true, false}) {
        EXPECT_EQ(DecideSwitch(flag, flag), MarkChange::None);
        const SwitchOutcome none = SwitchOutcomeFor(MarkChange::None, flag, flag);
        EXPECT_EQ(none.onFlag, flag);
        EXPECT_EQ(none.buttonText, nullptr);
        EXPECT_FALSE(none.minimiseMainWindow);
    }
}

// Never "OFF" without a mark: a failed creation leaves the button as it was before the press,
// unchecked, and the main window where it is, so the presenter sees that nothing was switched on.
TEST(SwitchStep, AMarkThatCouldNotBeCreatedLeavesTheButtonAtOn) {
    const SwitchOutcome failed = SwitchOutcomeFor(MarkChange::Create, true, false);
    EXPECT_FALSE(failed.onFlag);
    EXPECT_EQ(std::wstring_view(failed.buttonText), L"ON");
    EXPECT_FALSE(failed.minimiseMainWindow);
}

TEST(TransparencyAlpha, LowByteOfTheTruncatedProduct) {
    struct Row {
        int transparency;
        int alpha;
    };
    const Row rows[] = {
        {0, 0},        {1, 2},         {50, 127}, {100, 255},
        {101, 1},      {120, 50},      {-1, 254}, {-100, 1},  // truncated toward zero, then the low byte
        {8421504, 19},                                        // the largest that 32 bits multiply without overflow
        {INT_MAX, 99}, {INT_MIN, 154},                        // would overflow 32 bits
    };
    for (const Row& r : rows) EXPECT_EQ(AlphaFromTransparency(r.transparency), r.alpha) << r.transparency;
}
