#include "mark/ripple.h"

namespace {
constexpr int kWaitingForRelease = -1;
constexpr int kIdle = 0;
constexpr int kHeld = 1;
constexpr int kReleased = 2;

int RingDiameter(int radius) { return 2 * radius + 5; }
}  // namespace

bool RippleStep(RippleState& state, bool leftPressed, int clientWidth) {
    const int r = state.radius;
    if (r == kWaitingForRelease) {
        if (!leftPressed) state.radius = kIdle;
        return false;
    }
    if (r == kIdle) {
        if (!leftPressed) return false;
        state.radius = kHeld;
        return true;
    }
    if (r == kHeld) {
        // The release paints nothing, so the dot stays until the first ring.
        if (!leftPressed) state.radius = kReleased;
        return false;
    }
    // Expanding (any other value; a value below -1 cannot arise).
    if (leftPressed) {
        state.radius = kHeld;
        return true;
    }
    const int growth = clientWidth >= 100 ? 2 : 1;
    const int grown = r + growth;
    // The end test uses the grown value: the last ring drawn still keeps 5 pixels inside the client.
    state.radius = RingDiameter(grown) > clientWidth - 5 ? kIdle : grown;
    return true;
}
