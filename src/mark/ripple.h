#pragma once
// The ripple (circle only): a dot while the left button is held, then a ring growing outward.

// -1 waiting for the left button to be released (initial), 0 idle, 1 button held (the dot),
// 2 or more the radius step of the expanding ring.
struct RippleState {
    int radius = -1;
};

// One click tick. `leftPressed`: the left button pressed this tick; `clientWidth`: the mark's client
// width now. Returns whether to repaint (InvalidateRect(NULL, TRUE)).
bool RippleStep(RippleState& state, bool leftPressed, int clientWidth);
