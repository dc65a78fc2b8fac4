#pragma once
// Press-to-grow (circle only): the disc grows by 6 pixels on every side while a mouse button is held.
#include "base/geometry.h"

struct GrowState {
    bool grown = false;
    Size remembered;  // size before enlarging, restored when shrinking
};

// What the shell applies when the size changes: SetWindowRgn(CreateEllipticRgn(0, 0, w, h), FALSE), then
// MoveWindow(window, FALSE), then InvalidateRect(NULL, TRUE) if repaint is set.
struct Reshape {
    bool apply = false;
    Rect window;  // new window rectangle; the region is the full ellipse of its size
    bool repaint = false;
};

// `pressed`: left or right button pressed this tick. `windowRect`: the mark's current window rectangle.
Reshape GrowStep(GrowState& state, bool pressed, Rect windowRect);
