#pragma once
// The command a start names on its command line.
#include <optional>
#include <string>
#include <vector>

#include "panel/mark_command.h"

// The first of the arguments after the program's name that is /on, /off or /toggle (or the same with
// a "-"), in any case; every other argument is ignored.
std::optional<MarkCommand> LaunchCommandFrom(const std::vector<std::wstring>& arguments);
