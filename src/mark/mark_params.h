#pragma once
// The values the panel hands a new mark at its creation; they never change while it lives.
// No member has a default of its own: every value comes from the panel's settings (MarkParamsFrom
// names each one, so that a member left out there is a compiler warning), and a record made
// elsewhere is value-initialised, `MarkParams p{}`, and filled in full.
// The panel's window handle is handed over too, but stays in the shell.
#include <cstdint>

#include "base/geometry.h"

struct MarkParams {
    Colour markColour;
    Colour clickColour;
    std::uint8_t alpha;
    int shape;  // 0 circle, any other value a ring
    int sizeIndex;
    int followInterval;  // milliseconds
    int blinkEnabled;
    int blinkTrigger;  // 0 always, 1 while Ctrl is held, 2 while Alt is held, others never
    int blinkPeriod;
    int clickMonitor;
    int rippleEnabled;
};

constexpr int kCircleShape = 0;
constexpr int kRingShape = 1;
