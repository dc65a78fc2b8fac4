#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/launch_command.h"
#include "panel/mark_command.h"

TEST(LaunchCommand, TheFirstOptionCountsInAnyCaseAndEverythingElseIsIgnored) {
    struct Row {
        std::vector<std::wstring> arguments;
        std::optional<MarkCommand> expected;
    };
    const Row rows[] = {
        {{}, std::nullopt},
        {{L"/on"}, MarkCommand::On},
        {{L"-OFF"}, MarkCommand::Off},
        {{L"/ToGgLe"}, MarkCommand::Toggle},
        {{L"on"}, std::nullopt},  // no option without its sign
        {{L"--on"}, std::nullopt},
        {{L"/on:"}, std::nullopt},
        {{L"/onn"}, std::nullopt},
        {{L"/o"}, std::nullopt},
        {{L"/"}, std::nullopt},
        {{L""}, std::nullopt},
        {{L" /on"}, std::nullopt},  // a quoted argument keeps its blank
        {{L"/slides.pptx", L"-toggle", L"/off"}, MarkCommand::Toggle},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(LaunchCommandFrom(rows[i].arguments), rows[i].expected) << "row " << i;
}

TEST(MarkCommand, OnAndOffSwitchOnlyFromTheOtherStateAndToggleAlways) {
    EXPECT_TRUE(CommandSwitches(MarkCommand::On, false));
    EXPECT_FALSE(CommandSwitches(MarkCommand::On, true));
    EXPECT_TRUE(CommandSwitches(MarkCommand::Off, true));
    EXPECT_FALSE(CommandSwitches(MarkCommand::Off, false));
    EXPECT_TRUE(CommandSwitches(MarkCommand::Toggle, false));
    EXPECT_TRUE(CommandSwitches(MarkCommand::Toggle, true));
}

// Any program may send the hand-over message: a value that is not one of the three does nothing.
TEST(MarkCommand, OnlyTheThreeValuesNameACommand) {
    for (const MarkCommand c : {MarkCommand::On, MarkCommand::Off, MarkCommand::Toggle})
        EXPECT_EQ(MarkCommandFrom(static_cast<std::uintptr_t>(c)), c);
    for (const std::uintptr_t v : {std::uintptr_t{0}, std::uintptr_t{4}, std::uintptr_t{0x101}, ~std::uintptr_t{0}})
        EXPECT_EQ(MarkCommandFrom(v), std::nullopt) << v;
}
