#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/hot_key_attempts.h"

namespace {
constexpr std::uint32_t kCtrlShift = 0x0006;
constexpr std::uint32_t kErrorInvalidParameter = 87;
using Answer = std::optional<std::uint32_t>;  // nothing: registered

struct Outcome {
    Answer refused;
    std::vector<std::uint32_t> asked;  // the modifiers of each attempt
};

// Against a system that answers the attempts in turn from `answers`.
Outcome Register(std::uint32_t modifiers, const std::vector<Answer>& answers) {
    Outcome out;
    out.refused = RegisterWithoutRepeat(modifiers, [&](std::uint32_t tried) {
        out.asked.push_back(tried);
        return answers.at(out.asked.size() - 1);
    });
    return out;
}
}  // namespace

TEST(HotKeyAttempts, WithoutRepeatWhereKnownPlainWhereRefusedNeverAgainWhenTaken) {
    const Outcome seven = Register(kCtrlShift, {std::nullopt});  // Windows 7 and later take the flag
    EXPECT_EQ(seven.refused, std::nullopt);
    EXPECT_EQ(seven.asked, (std::vector<std::uint32_t>{kCtrlShift | kModNoRepeat}));

    const Outcome vista = Register(kCtrlShift, {kErrorInvalidParameter, std::nullopt});
    EXPECT_EQ(vista.refused, std::nullopt);
    EXPECT_EQ(vista.asked, (std::vector<std::uint32_t>{kCtrlShift | kModNoRepeat, kCtrlShift}));

    // On Vista the second attempt decides, and its error is the one to report.
    const Outcome vistaTaken = Register(kCtrlShift, {kErrorInvalidParameter, kErrorHotKeyAlreadyRegistered});
    EXPECT_EQ(vistaTaken.refused, kErrorHotKeyAlreadyRegistered);

    const Outcome taken = Register(kCtrlShift, {kErrorHotKeyAlreadyRegistered});
    EXPECT_EQ(taken.refused, kErrorHotKeyAlreadyRegistered);
    EXPECT_EQ(taken.asked.size(), 1u);
}

TEST(HotKeyAttempts, OtherBitsOfTheStoredModifiersAreAskedForAsTheyAre) {
    // A hand-edited profile may hold the flag or bits beyond it; only the flag is added or taken away.
    const Outcome odd = Register(0x8000 | kModNoRepeat | kCtrlShift, {kErrorInvalidParameter, 5u});
    EXPECT_EQ(odd.refused, 5u);
    EXPECT_EQ(odd.asked, (std::vector<std::uint32_t>{0xC006, 0x8006}));
}
