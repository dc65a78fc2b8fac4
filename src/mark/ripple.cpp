#include "mark/ripple.h"

bool RippleStep(RippleState& state, bool leftPressed, int clientWidth) {
    const int r = state.radius;
    if (r == kRippleWaitingForRelease) {
        if (!leftPressed) state.radius = kRippleIdle;
        return false;
    }
    if (r == kRippleIdle) {
        if (!leftPressed) return false;
        state.radius = kRippleDot;
        return true;
    }
    if (r == kRippleDot) {
        // The release paints nothing, so the dot stays until the first ring.
        if (!leftPressed) state.radius = kRippleFirstRing;
        return false;
    }
    // Expanding.
    if (leftPressed) {
        state.radius = kRippleDot;
        return true;
    }
    const int growth = clientWidth >= 100 ? 2 : 1;
    const int grown = r + growth;
    // The end test uses the grown value: the last ring drawn still keeps 5 pixels inside the client.
    state.radius = RippleDiameter(grown) > clientWidth - 5 ? kRippleIdle : grown;
    return true;
}
