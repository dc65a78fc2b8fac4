#pragma once
// The user's settings for the mark, with their defaults and the colour table.
#include <cstdint>

#include "base/geometry.h"

struct ColourPair {
    Colour mark;
    Colour click;
};

// Colour code 0..5 selects a pair; every other code acts as 0.
ColourPair ColourForCode(int colourCode);

// The SHAPE values the program writes; a hand-edited profile may hold any other.
inline constexpr int kCircleShape = 0;
inline constexpr int kRingShape = 1;

// The TENMETUTRIG values; any other never blinks.
inline constexpr int kBlinkAlways = 0;
inline constexpr int kBlinkWhileCtrl = 1;
inline constexpr int kBlinkWhileAlt = 2;

struct Settings {
    Colour markColour = 0x0000FFFF;
    Colour clickColour = 0x000000FF;
    int colourCode = 0;
    int transparency = 50;
    int shape = kCircleShape;
    int sizeIndex = 3;
    int positionControl = 0;
    int sensitivity = 0;
    // Never read from the profile nor edited: the mark follows the pointer at this pace, in milliseconds.
    static constexpr int followInterval = 10;
    int blinkEnabled = 0;
    int blinkTrigger = kBlinkAlways;
    int blinkPeriod = 5;
    int clickMonitor = 0;
    int rippleEnabled = 0;
    int hotKeyEnabled = 0;
    int hotKeyCode = 90;      // Z
    int hotKeyModifiers = 1;  // MOD_ALT
    friend bool operator==(const Settings&, const Settings&) = default;
};

// Both colours always follow the colour code together.
void ApplyColourCode(Settings& s);
