#pragma once
// A command that switches the mark from outside the program (a start with /on, /off or /toggle),
// and what the panel does with it.
#include <cstdint>
#include <optional>

// The values are what a message carries in its wParam.
enum class MarkCommand : std::uintptr_t { On = 1, Off = 2, Toggle = 3 };

// The command that `value` names; any other value names none.
std::optional<MarkCommand> MarkCommandFrom(std::uintptr_t value);

// Whether the command switches the mark when the on flag is `onFlag`; a switch then runs exactly as
// the toggle hot key's, so the properties dialog or the About box being open changes what it does
// just as it does for the hot key.
bool CommandSwitches(MarkCommand command, bool onFlag);
