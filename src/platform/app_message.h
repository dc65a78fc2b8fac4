#pragma once
// The program's own messages: one message box style, and diagnostic lines on standard output.
#include <string>

// The executable's file name without its extension; the caption of every message of the program.
const std::wstring& ApplicationTitle();

// Exclamation icon, OK button, owned by the program's active window (or its main window).
void ShowAppMessage(const std::wstring& text);

// printf-style line on standard output, flushed at once (nothing depends on it: there is no console).
void TraceLine(const char* format, int value);
