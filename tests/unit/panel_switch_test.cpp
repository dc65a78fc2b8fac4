#include <gtest/gtest.h>

#include <climits>
#include <string_view>

#include "panel/switch_step.h"
#include "panel/transparency_alpha.h"

TEST(SwitchStep, OverlayTextAndMinimiseChangeTogether) {
    const SwitchDecision on = DecideSwitch(true, false);
    EXPECT_EQ(on.overlay, OverlayChange::Create);
    EXPECT_EQ(std::wstring_view(on.buttonText), L"OFF");
    EXPECT_TRUE(on.minimiseMainWindow);

    const SwitchDecision off = DecideSwitch(false, true);
    EXPECT_EQ(off.overlay, OverlayChange::Destroy);
    EXPECT_EQ(std::wstring_view(off.buttonText), L"ON");
    EXPECT_FALSE(off.minimiseMainWindow) << "switching off never restores nor minimises";

    for (const bool flag : {true, false}) {
        const SwitchDecision none = DecideSwitch(flag, flag);
        EXPECT_EQ(none.overlay, OverlayChange::None);
        EXPECT_EQ(none.buttonText, nullptr);
        EXPECT_FALSE(none.minimiseMainWindow);
    }
}

TEST(TransparencyAlpha, LowByteOfTheTruncatedProduct) {
    struct Row {
        int transparency;
        int alpha;
    };
    const Row rows[] = {
        {0, 0},        {1, 2},         {50, 127}, {100, 255},
        {101, 1},      {120, 50},      {-1, 254}, {-100, 1},  // truncated toward zero, then the low byte
        {8421504, 19},                  // the largest that 32 bits multiply without overflow
        {INT_MAX, 99}, {INT_MIN, 154},  // would overflow 32 bits
    };
    for (const Row& r : rows) EXPECT_EQ(AlphaFromTransparency(r.transparency), r.alpha) << r.transparency;
}
