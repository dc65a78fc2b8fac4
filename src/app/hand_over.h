#pragma once
// A start that finds Glimmora running hands its command over to it (see hand_over_message.h).
#include <windows.h>

#include "panel/mark_command.h"

// The registered message; 0 if the system could not register it, and then nothing is handed over.
UINT HandOverMessage();

// Hands the command to the instance of this user and session, waiting briefly for one that is still
// starting; true once that instance has taken it. Never shows a window.
bool HandToRunningInstance(MarkCommand command);
