#pragma once
// Colour swap (ring only): the ring shows the click colour while a mouse button is held.

enum class ClickState {
    WaitingForRelease = -1,  // initial: a button held when the mark starts changes nothing
    Idle = 0,
    Held = 1,  // the background brush is the click brush
};

// `pressed`: left or right button pressed this tick. Returns whether to repaint (InvalidateRect(NULL, TRUE)).
bool ColourSwapStep(ClickState& state, bool pressed);
