#include "app/launch_command.h"

namespace {

// ASCII letters only: the option words are English, and a locale's case rules must not make another
// word match one of them.
wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

std::optional<MarkCommand> OptionCommand(const std::wstring& argument) {
    if (argument.size() < 2 || (argument[0] != L'/' && argument[0] != L'-')) return std::nullopt;
    std::wstring word;
    for (std::size_t i = 1; i < argument.size(); ++i) word.push_back(AsciiLower(argument[i]));
    if (word == L"on") return MarkCommand::On;
    if (word == L"off") return MarkCommand::Off;
    if (word == L"toggle") return MarkCommand::Toggle;
    return std::nullopt;
}

}  // namespace

std::optional<MarkCommand> LaunchCommandFrom(const std::vector<std::wstring>& arguments) {
    for (const std::wstring& argument : arguments)
        if (const auto command = OptionCommand(argument)) return command;
    return std::nullopt;
}
