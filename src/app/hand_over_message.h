#pragma once
// How a start hands its command to the instance that runs already: a registered window message sent
// to that instance's main window, with the command in wParam (see MarkCommand).
#include <cstdint>

// Registered by both sides; the name is ours alone, so no other program's window takes the message.
inline constexpr wchar_t kHandOverMessageName[] = L"__GLIMMORA_BRINDLECOVE_COMMAND__";

// The answer of an instance that has taken the command. A window that does not know the message
// answers 0, so only this value tells the sender it has found a Glimmora.
inline constexpr std::intptr_t kCommandTaken = 0x474C4D43;

// The sender gives up after this long: it must end within a second of its start, also when the
// instance is ending or not yet ready.
inline constexpr unsigned kHandOverWithinMs = 600;
