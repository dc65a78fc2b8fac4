#include <gtest/gtest.h>

#include <bitset>
#include <optional>
#include <string>

#include "platform/virtual_keys.h"
#include "properties/hook_key_set.h"

namespace {
constexpr std::uint32_t kG = 0x47;

// One key between the keyboard, the field's hook (while the field has the focus) and the
// system's key state, which changes only by events the hook lets pass.
struct Desk {
    bool systemDown = false;
    std::optional<HookKeySet> hook;

    void Install() {
        hook.emplace();
        if (systemDown) hook->HeldBefore(kG);
    }
    void Remove() { hook.reset(); }
    // Whether the event got past the hook.
    bool Key(bool down) {
        if (hook && hook->Swallows(down, kG)) return false;
        systemDown = down;
        return true;
    }
};
}  // namespace

TEST(HookKeySet, EveryOrderOfPressesRepeatsAndReleasesLeavesTheKeyUp) {
    struct Case {
        const char* name;
        bool heldBefore;        // pressed before the field took the focus
        int repeats;            // presses that arrive while the hook is there
        bool removedInBetween;  // the field loses the focus before the release
        bool releasePasses;
    };
    const Case cases[] = {
        {"held before, released", true, 0, false, true},
        {"held before, repeated, released", true, 3, false, true},
        {"pressed inside, released", false, 1, false, false},
        {"pressed inside, repeated, released", false, 4, false, false},
        {"pressed inside, focus lost, released", false, 2, true, true},
        {"held before, repeated, focus lost, released", true, 2, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Desk desk;
        if (c.heldBefore) desk.Key(true);
        desk.Install();
        for (int i = 0; i < c.repeats; ++i) EXPECT_FALSE(desk.Key(true));  // no press reaches anyone
        if (c.removedInBetween) desk.Remove();
        EXPECT_EQ(desk.Key(false), c.releasePasses);
        EXPECT_FALSE(desk.systemDown);
    }
}

// Every sequence of up to seven steps (press, release, focus gained, focus lost) that ends with
// the key up on the keyboard and the field without the focus: the system never keeps it down.
TEST(HookKeySet, NoSequenceLeavesTheKeyHeldForTheSystem) {
    enum Step { kPress, kRelease, kGain, kLose };
    for (int length = 0; length <= 7; ++length) {
        for (int code = 0; code < (1 << (2 * length)); ++code) {
            Desk desk;
            bool physicallyDown = false;
            std::string steps;
            bool valid = true;
            for (int i = 0; i < length && valid; ++i) {
                const Step step = static_cast<Step>((code >> (2 * i)) & 3);
                steps += "prgl"[step];
                switch (step) {
                    case kPress:
                        physicallyDown = true;
                        if (desk.hook)
                            EXPECT_FALSE(desk.Key(true)) << steps;
                        else
                            desk.Key(true);
                        break;
                    case kRelease:
                        valid = physicallyDown;
                        physicallyDown = false;
                        desk.Key(false);
                        break;
                    case kGain:
                        valid = !desk.hook;
                        desk.Install();
                        break;
                    case kLose:
                        valid = desk.hook.has_value();
                        desk.Remove();
                        break;
                }
            }
            if (!valid || physicallyDown) continue;
            desk.Remove();
            EXPECT_FALSE(desk.systemDown) << steps;
        }
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
