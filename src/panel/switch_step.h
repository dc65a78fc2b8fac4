#pragma once
// The switch step shared by the ON/OFF button and the toggle hot key, once the on flag is up to date.

enum class OverlayChange { None, Create, Destroy };

inline constexpr wchar_t kOnButtonText[] = L"ON";
inline constexpr wchar_t kOffButtonText[] = L"OFF";

// The shell applies it in this order: the overlay change (CreateOverlay / DestroyOverlay), the text of
// the ON/OFF button, then, if asked, minimises the main window (without activating it) unless IsIconic.
struct SwitchDecision {
    OverlayChange overlay = OverlayChange::None;
    const wchar_t* buttonText = nullptr;  // null: the text stays
    bool minimiseMainWindow = false;
};

SwitchDecision DecideSwitch(bool onFlag, bool overlayExists);
