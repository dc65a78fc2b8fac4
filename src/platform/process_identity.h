#pragma once
// Who runs a process: its user and its session, as this process sees them.
#include <windows.h>

// Whether the process runs as this process's user in this process's session. False when that cannot
// be read (a process of another user, or elevated when we are not, may refuse to be asked).
bool RunsAsOurUserInOurSession(DWORD processId);
