#pragma once
// The values the panel hands a new overlay once, before its set-up; they never change while it lives.
// The panel's window handle is handed over too, but stays in the shell.
#include <cstdint>

#include "platform/geometry.h"

struct OverlayParams {
    Colour overlayColour = 0x00FFFFFF;
    Colour clickColour = 0x000000FF;
    std::uint8_t alpha = 100;
    int shape = 0;  // 0 circle, any other value a ring
    int sizeIndex = 0;
    int followInterval = 50;  // milliseconds
    int blinkEnabled = 0;
    int blinkTrigger = 0;  // 0 always, 1 while Ctrl is held, 2 while Alt is held, others never
    int blinkPeriod = 5;
    int clickMonitor = 0;
    int rippleEnabled = 0;
};

constexpr int kCircleShape = 0;
constexpr int kRingShape = 1;
