#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/virtual_keys.h"
#include "properties/hook_key_set.h"

namespace {
constexpr std::uint32_t kG = 0x47;

// One key between the keyboard, the field's hook and the system's key state, which only events
// the hook lets pass change. Steps: 'p' press (a repeat when already down), 'r' release, 'g' the
// field gains the focus (its hook comes), 'l' it loses it. Fails the test when a press made while the hook is
// there gets past it, or when the key ends up released on the keyboard but still down for the system.
// Sequences that cannot happen are skipped.
void Play(const std::string& steps) {
    bool keyboardDown = false, systemDown = false;
    std::optional<HookKeySet> hook;
    for (char step : steps) {
        if (step == 'g') {
            if (hook) return;
            hook.emplace();
            if (systemDown) hook->HeldBefore(kG);
        } else if (step == 'l') {
            if (!hook) return;
            hook.reset();
        } else {
            const bool down = step == 'p';
            if (!down && !keyboardDown) return;
            keyboardDown = down;
            const bool swallowed = hook && hook->Swallows(down, kG);
            EXPECT_TRUE(swallowed || !down || !hook) << steps;
            if (!swallowed) systemDown = down;
        }
    }
    EXPECT_TRUE(keyboardDown || !systemDown) << steps;
}
}  // namespace

TEST(HookKeySet, NoOrderOfPressesRepeatsReleasesAndFocusLeavesTheKeyHeld) {
    // Held before, then released; held before, repeated, released; pressed inside, released;
    // pressed inside, the focus lost before the release.
    for (const char* steps : {"pgr", "pgpppr", "gpr", "gplr", "pglr", "pgpplr"}) Play(steps);
    // And every sequence of up to eight steps.
    for (int length = 1; length <= 8; ++length)
        for (int code = 0; code < (1 << (2 * length)); ++code) {
            std::string steps;
            for (int i = 0; i < length; ++i) steps += "prgl"[(code >> (2 * i)) & 3];
            Play(steps);
        }
}

TEST(HookKeySet, KeysAreToldApartAndAReleasedHeldKeyIsOursWhenPressedAgain) {
    HookKeySet set;
    set.HeldBefore(vk::kLShift);
    EXPECT_TRUE(set.Swallows(true, kG));
    EXPECT_TRUE(set.Swallows(true, vk::kLShift));    // a repeat of Shift
    EXPECT_FALSE(set.Swallows(false, vk::kRShift));  // the other Shift was never ours
    EXPECT_TRUE(set.Swallows(false, kG));
    EXPECT_FALSE(set.Swallows(false, vk::kLShift));
    EXPECT_TRUE(set.Swallows(true, vk::kLShift));  // pressed again inside the field
    EXPECT_TRUE(set.Swallows(false, vk::kLShift));
}
