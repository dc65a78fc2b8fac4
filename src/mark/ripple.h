#pragma once
// The ripple (circle only): a dot while the left button is held, then a ring growing outward.

// The radius steps below the first ring are the ripple's phases; the paint handler reads the radius alone.
constexpr int kRippleWaitingForRelease = -1;  // a button held when the mark starts draws nothing
constexpr int kRippleIdle = 0;
constexpr int kRippleDot = 1;  // the left button is held
constexpr int kRippleFirstRing = 2;

// The width and height of the figure for a radius step, the dot's included.
constexpr int RippleDiameter(int radius) { return 2 * radius + 5; }

struct RippleState {
    int radius = kRippleWaitingForRelease;
};

// One click tick. `leftPressed`: the left button pressed this tick; `clientWidth`: the mark's client
// width now. Returns whether to repaint (InvalidateRect(NULL, TRUE)).
bool RippleStep(RippleState& state, bool leftPressed, int clientWidth);
