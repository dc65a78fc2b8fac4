#include <gtest/gtest.h>

#include <vector>

#include "base/virtual_keys.h"
#include "fake_key_poll.h"
#include "mark/blink.h"

namespace {
std::vector<int> Shown(BlinkState& state, int alpha, int trigger, int period, int ticks, bool ctrl = false,
                       bool alt = false) {
    std::vector<int> shown;
    for (int i = 0; i < ticks; ++i)
        shown.push_back(BlinkStep(state, static_cast<std::uint8_t>(alpha), trigger, period, ctrl, alt));
    return shown;
}

std::vector<int> Shown(int alpha, int trigger, int period, int ticks) {
    BlinkState fresh;
    return Shown(fresh, alpha, trigger, period, ticks);
}
}  // namespace

TEST(Blink, FullAlphaCyclesForPeriods1And5And10) {
    EXPECT_EQ(Shown(255, 0, 1, 7), (std::vector<int>{255, 0, 0, 255, 0, 0, 255}));
    EXPECT_EQ(Shown(255, 0, 5, 13), (std::vector<int>{255, 204, 153, 102, 51, 0, 0, 51, 102, 153, 204, 255, 204}));

    std::vector<int> period10{255};
    for (int v = 230; v >= 5; v -= 25) period10.push_back(v);
    period10.push_back(0);  // a falling step that overshoots shows 0 once
    for (int v = 25; v <= 250; v += 25) period10.push_back(v);
    period10.push_back(255);
    period10.push_back(230);
    ASSERT_EQ(period10.size(), 24u) << "a 22-tick cycle";
    EXPECT_EQ(Shown(255, 0, 10, 24), period10);
}

TEST(Blink, SmallAlphasStepByOne) {
    EXPECT_EQ(Shown(0, 0, 5, 6), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Shown(2, 0, 10, 9), (std::vector<int>{2, 1, 0, 0, 1, 2, 1, 0, 0}));
    EXPECT_EQ(Shown(127, 0, 5, 3), (std::vector<int>{127, 102, 77})) << "starts from the alpha";
}

TEST(Blink, PeriodZeroOrBelowActsAsOne) {
    EXPECT_EQ(Shown(255, 0, 0, 6), (std::vector<int>{255, 0, 0, 255, 0, 0}));
    EXPECT_EQ(Shown(255, 0, -3, 6), (std::vector<int>{255, 0, 0, 255, 0, 0}));
    EXPECT_EQ(Shown(100, 0, INT32_MIN, 4), (std::vector<int>{100, 0, 0, 100}));
}

TEST(Blink, TriggerKeyHoldsTheAlphaSteadyWhileUpAndResumesInTheSameDirection) {
    BlinkState s;
    EXPECT_EQ(Shown(s, 255, 1, 5, 3, true), (std::vector<int>{255, 204, 153}));
    EXPECT_EQ(Shown(s, 255, 1, 5, 2, false, true), (std::vector<int>{255, 255})) << "Alt is not Ctrl";
    EXPECT_EQ(s.level, 255);
    EXPECT_EQ(Shown(s, 255, 1, 5, 2, true), (std::vector<int>{204, 153})) << "still falling";

    BlinkState alt;
    EXPECT_EQ(Shown(alt, 255, 2, 5, 2, true), (std::vector<int>{255, 255})) << "Ctrl is not Alt";
    EXPECT_EQ(Shown(alt, 255, 2, 5, 2, false, true), (std::vector<int>{255, 204}));
}

TEST(Blink, UnknownTriggersNeverBlink) {
    for (int trigger : {3, -1, 99}) {
        BlinkState s;
        EXPECT_EQ(Shown(s, 200, trigger, 5, 3, true, true), (std::vector<int>{200, 200, 200})) << "trigger " << trigger;
    }
}

TEST(BlinkTick, QueriesOnlyTheTriggerKeyAndOnlyWhileEnabled) {
    MarkParams p{};
    p.alpha = 255;
    p.blinkPeriod = 5;
    BlinkState s;
    FakeKeyPoll keys;

    EXPECT_FALSE(BlinkTick(s, p, keys).has_value()) << "blink off: nothing to apply";
    p.blinkEnabled = 1;
    EXPECT_EQ(BlinkTick(s, p, keys), 255);
    EXPECT_EQ(BlinkTick(s, p, keys), 204);
    p.blinkTrigger = 7;
    EXPECT_EQ(BlinkTick(s, p, keys), 255);
    EXPECT_TRUE(keys.asked.empty());

    p.blinkTrigger = 1;
    keys.Click(vk::kControl);
    EXPECT_EQ(BlinkTick(s, p, keys), 255) << "a press since the last query is not holding the key";
    keys.Press(vk::kControl);
    EXPECT_EQ(BlinkTick(s, p, keys), 204);
    p.blinkTrigger = 2;
    EXPECT_EQ(BlinkTick(s, p, keys), 255) << "Ctrl held, trigger Alt";
    EXPECT_EQ(keys.asked, (std::vector<std::uint16_t>{vk::kControl, vk::kControl, vk::kMenu}));
}
