#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "base/hot_key_attempts.h"

namespace {
constexpr std::uint32_t kErrorInvalidParameter = 87;
using Answer = std::optional<std::uint32_t>;  // nothing: registered
using Asked = std::vector<std::uint32_t>;

// Registers `modifiers` against a system that answers the attempts in turn from `answers`;
// `asked` gets the modifiers of each attempt.
Answer Register(std::uint32_t modifiers, const std::vector<Answer>& answers, Asked& asked) {
    return RegisterWithoutRepeat(modifiers, [&](std::uint32_t tried) {
        asked.push_back(tried);
        return answers.at(asked.size() - 1);
    });
}
}  // namespace

TEST(HotKeyAttempts, WithoutRepeatWhereKnownPlainWhereRefusedNeverAgainWhenTaken) {
    Asked seven, vista, vistaTaken, taken, odd;
    EXPECT_EQ(Register(0x6, {std::nullopt}, seven), std::nullopt);  // Windows 7 and later take the flag
    EXPECT_EQ(seven, (Asked{0x4006}));
    EXPECT_EQ(Register(0x6, {kErrorInvalidParameter, std::nullopt}, vista), std::nullopt);
    EXPECT_EQ(vista, (Asked{0x4006, 0x6}));
    // The second attempt decided: its error is the one reported.
    EXPECT_EQ(Register(0x6, {kErrorInvalidParameter, kErrorHotKeyAlreadyRegistered}, vistaTaken),
              kErrorHotKeyAlreadyRegistered);
    EXPECT_EQ(Register(0x6, {kErrorHotKeyAlreadyRegistered}, taken), kErrorHotKeyAlreadyRegistered);
    EXPECT_EQ(taken, (Asked{0x4006}));
    // A hand-edited profile may hold the flag or bits beyond it: only the flag is added or taken away.
    EXPECT_EQ(Register(0xC006, {kErrorInvalidParameter, 5u}, odd), 5u);
    EXPECT_EQ(odd, (Asked{0xC006, 0x8006}));
}
