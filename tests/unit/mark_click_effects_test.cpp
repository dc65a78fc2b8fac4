#include <gtest/gtest.h>

#include <vector>

#include "base/virtual_keys.h"
#include "fake_key_poll.h"
#include "mark/click_tick.h"
#include "mark/colour_swap.h"
#include "mark/press_to_grow.h"

using Keys = std::vector<std::uint16_t>;

TEST(ColourSwap, StateTable) {
    using enum ClickState;
    struct Row {
        ClickState from;
        bool pressed;
        ClickState to;
        bool repaint;
    };
    const Row rows[] = {
        {WaitingForRelease, false, Idle, false},
        {WaitingForRelease, true, WaitingForRelease, false},
        {Idle, false, Idle, false},
        {Idle, true, Held, true},
        {Held, true, Held, false},
        {Held, false, Idle, true},
    };
    for (const Row& r : rows) {
        ClickState s = r.from;
        EXPECT_EQ(ColourSwapStep(s, r.pressed), r.repaint) << static_cast<int>(r.from) << " " << r.pressed;
        EXPECT_EQ(s, r.to) << static_cast<int>(r.from) << " " << r.pressed;
    }
}

TEST(PressToGrow, GrowsSixPixelsEachSideAndShrinksBackToTheRememberedSize) {
    GrowState s;
    const Reshape grow = GrowStep(s, true, {100, 100, 141, 141});
    EXPECT_TRUE(grow.apply);
    EXPECT_EQ(grow.window, (Rect{94, 94, 147, 147}));
    EXPECT_TRUE(grow.repaint);

    EXPECT_FALSE(GrowStep(s, true, {94, 94, 147, 147}).apply) << "held: stays grown";

    // From wherever the placement has put the grown window meanwhile.
    const Reshape shrink = GrowStep(s, false, {200, 300, 253, 353});
    EXPECT_TRUE(shrink.apply);
    EXPECT_EQ(shrink.window, (Rect{206, 306, 247, 347}));
    EXPECT_FALSE(shrink.repaint);

    EXPECT_FALSE(GrowStep(s, false, {206, 306, 247, 347}).apply);
}

namespace {
MarkParams Circle(bool ripple, bool clickMonitor) {
    MarkParams p{};
    p.shape = 0;
    p.rippleEnabled = ripple ? 1 : 0;
    p.clickMonitor = clickMonitor ? 1 : 0;
    return p;
}

const Rect kWindow{100, 100, 141, 141};
constexpr int kWidth = 41;
}  // namespace

TEST(ClickTick, FreshQueriesInStepOrderForTheStepsThatRun) {
    FakeKeyPoll keys;
    ClickEffects fx;
    ClickTick(fx, Circle(true, true), kWindow, kWidth, keys);
    EXPECT_EQ(keys.asked, (Keys{vk::kLButton, vk::kLButton, vk::kRButton}));

    // Both buttons are asked even when the left one already counts.
    keys.asked.clear();
    keys.Press(vk::kLButton);
    ClickTick(fx, Circle(true, true), kWindow, kWidth, keys);
    EXPECT_EQ(keys.asked, (Keys{vk::kLButton, vk::kLButton, vk::kRButton}));

    MarkParams ring = Circle(true, true);
    ring.shape = 1;
    keys.asked.clear();
    ClickTick(fx, ring, kWindow, kWidth, keys);
    EXPECT_EQ(keys.asked, (Keys{vk::kLButton, vk::kRButton})) << "no ripple, no growing for the ring";

    keys.asked.clear();
    ClickTick(fx, Circle(true, false), kWindow, kWidth, keys);
    EXPECT_EQ(keys.asked, (Keys{vk::kLButton}));

    MarkParams other = Circle(true, true);
    other.shape = 2;
    keys.asked.clear();
    EXPECT_FALSE(ClickTick(fx, other, kWindow, kWidth, keys).repaint);
    EXPECT_TRUE(keys.asked.empty()) << "shapes other than 0 and 1 run no effect";
}

TEST(ClickTick, QuickClickReachesTheRippleStepAlone) {
    FakeKeyPoll keys;
    ClickEffects fx;
    ClickTick(fx, Circle(true, true), kWindow, kWidth, keys);  // arms the ripple
    ASSERT_EQ(fx.ripple.radius, 0);

    keys.Click(vk::kLButton);
    const ClickTickResult r = ClickTick(fx, Circle(true, true), kWindow, kWidth, keys);
    EXPECT_EQ(fx.ripple.radius, 1);
    EXPECT_TRUE(r.repaint);
    EXPECT_FALSE(r.reshape) << "the grow step's own query no longer sees the click";
    EXPECT_EQ(fx.grow.grown, 0);

    ClickTick(fx, Circle(true, true), kWindow, kWidth, keys);
    EXPECT_EQ(fx.ripple.radius, 2) << "released on the next tick";
}

TEST(ClickTick, RightButtonGrowsAndSwapsButStartsNoRipple) {
    FakeKeyPoll keys;
    ClickEffects fx;
    fx.ripple.radius = 0;
    fx.clickState = ClickState::Idle;
    keys.Press(vk::kRButton);

    const ClickTickResult r = ClickTick(fx, Circle(true, true), kWindow, kWidth, keys);
    EXPECT_EQ(fx.ripple.radius, 0);
    EXPECT_TRUE(r.reshape);
    EXPECT_EQ(r.window, (Rect{94, 94, 147, 147}));
    EXPECT_TRUE(r.repaint);
    EXPECT_EQ(fx.clickState, ClickState::Idle) << "the circle never swaps colours";

    MarkParams ring = Circle(false, true);
    ring.shape = 1;
    ClickEffects ringFx;
    ringFx.clickState = ClickState::Idle;
    const ClickTickResult swap = ClickTick(ringFx, ring, kWindow, kWidth, keys);
    EXPECT_EQ(ringFx.clickState, ClickState::Held);
    EXPECT_TRUE(swap.repaint);
    EXPECT_FALSE(swap.reshape) << "the ring never grows";
}

TEST(ClickTick, GrownDiscShrinksOnTheReleaseTickAfterTheRippleStep) {
    FakeKeyPoll keys;
    ClickEffects fx;
    fx.ripple.radius = 0;
    keys.Press(vk::kLButton);
    const ClickTickResult down = ClickTick(fx, Circle(true, true), kWindow, kWidth, keys);
    EXPECT_EQ(fx.ripple.radius, 1);
    EXPECT_TRUE(down.reshape);

    keys.Release(vk::kLButton);
    const Rect grown{94, 94, 147, 147};
    const ClickTickResult up = ClickTick(fx, Circle(true, true), grown, 53, keys);
    EXPECT_EQ(fx.ripple.radius, 2);
    EXPECT_TRUE(up.reshape);
    EXPECT_EQ(up.window, kWindow);
    EXPECT_FALSE(up.repaint) << "neither the release nor the shrink repaints";

    ClickTick(fx, Circle(true, true), kWindow, kWidth, keys);
    EXPECT_EQ(fx.ripple.radius, 3) << "the ring grows by the normal width";
}

// A left-handed presenter's primary button is the physical right one, which the platform reports as the
// right button: every query the rules make of one button goes to the other, in the same order.
TEST(ClickTick, SwappedButtonsMakeThePhysicalRightButtonThePrimaryOne) {
    FakeKeyPoll physical;
    LogicalButtons keys(physical, true);
    ClickEffects fx;
    ClickTick(fx, Circle(true, true), kWindow, kWidth, keys);  // arms the ripple
    physical.asked.clear();

    physical.Press(vk::kRButton);
    ClickTick(fx, Circle(true, true), kWindow, kWidth, keys);
    EXPECT_EQ(physical.asked, (Keys{vk::kRButton, vk::kRButton, vk::kLButton}));
    EXPECT_EQ(fx.ripple.radius, 1) << "the dot of a primary click";
    EXPECT_EQ(fx.grow.grown, 1);

    physical.Release(vk::kRButton);
    physical.Click(vk::kLButton);
    ClickTick(fx, Circle(true, true), kWindow, kWidth, keys);
    EXPECT_EQ(fx.ripple.radius, 2) << "the secondary button's click starts no ripple";

    FakeKeyPoll unswapped;
    LogicalButtons same(unswapped, false);
    for (std::uint16_t vk : {vk::kLButton, vk::kRButton, vk::kControl}) same.AsyncKeyState(vk);
    EXPECT_EQ(unswapped.asked, (Keys{vk::kLButton, vk::kRButton, vk::kControl}));
}

// The click timer is left out when no effect runs: that must be exactly when a tick would do nothing.
TEST(ClickTick, TheTimerRunsExactlyWhenATickWouldAskForAButton) {
    for (int shape : {0, 1, 2, -1})
        for (bool ripple : {false, true})
            for (bool monitor : {false, true}) {
                MarkParams p = Circle(ripple, monitor);
                p.shape = shape;
                FakeKeyPoll keys;
                ClickEffects fx;
                ClickTick(fx, p, kWindow, kWidth, keys);
                EXPECT_EQ(ClickEffectsOn(p), !keys.asked.empty())
                    << "shape " << shape << " ripple " << ripple << " monitor " << monitor;
            }
}
