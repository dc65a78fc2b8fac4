#pragma once
// The values the panel hands a new mark at its creation; they never change while it lives.
// No member has a default of its own: every value comes from the panel's settings (MarkParamsFrom
// names each one, so that a member left out there is a compiler warning), and a record made
// elsewhere is value-initialised, `MarkParams p{}`, and filled in full.
// The panel's window handle is handed over too, but stays in the shell.
#include <cstdint>

#include "base/geometry.h"
#include "settings/settings.h"

struct MarkParams {
    Colour markColour;
    Colour clickColour;
    std::uint8_t alpha;
    int shape;  // kCircleShape, kRingShape, or another value an edited profile gave
    int sizeIndex;
    bool blinkEnabled;
    int blinkTrigger;  // kBlinkAlways, kBlinkWhileCtrl, kBlinkWhileAlt, or another value that never blinks
    int blinkPeriod;
    bool clickMonitor;
    bool rippleEnabled;
};
