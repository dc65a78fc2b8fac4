#include "panel/mark_command.h"

std::optional<MarkCommand> MarkCommandFrom(std::uintptr_t value) {
    switch (value) {
        case static_cast<std::uintptr_t>(MarkCommand::On):
        case static_cast<std::uintptr_t>(MarkCommand::Off):
        case static_cast<std::uintptr_t>(MarkCommand::Toggle):
            return static_cast<MarkCommand>(value);
        default:
            return std::nullopt;
    }
}

// On and off say the state the presenter wants, so they never undo it: a remote's "on" pressed twice
// leaves the mark on.
bool CommandSwitches(MarkCommand command, bool onFlag) {
    if (command == MarkCommand::On) return !onFlag;
    if (command == MarkCommand::Off) return onFlag;
    return true;
}
