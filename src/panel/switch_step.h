#pragma once
// The switch step shared by the ON/OFF button and the toggle hot key, once the on flag is up to date.

enum class MarkChange { None, Create, Destroy };

inline constexpr wchar_t kOnButtonText[] = L"ON";
inline constexpr wchar_t kOffButtonText[] = L"OFF";

// The mark change the on flag asks for.
MarkChange DecideSwitch(bool onFlag, bool markExists);

// What the panel shows once the change is made, applied in this order: the on flag (the button's
// check state), the text of the ON/OFF button, then, if asked, the main window minimised unless
// IsIconic.
struct SwitchOutcome {
    bool onFlag = false;
    const wchar_t* buttonText = nullptr;  // null: the text stays
    bool minimiseMainWindow = false;
};

// The text and the minimising follow whether a mark exists after the change: a mark that could not
// be created leaves the button at ON, unchecked, so the next press tries again.
SwitchOutcome SwitchOutcomeFor(MarkChange change, bool onFlag, bool markExists);
