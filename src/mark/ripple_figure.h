#pragma once
// What the paint handler draws for a ripple radius.
#include <optional>

#include "base/geometry.h"

constexpr int kRipplePenWidth = 3;  // CreatePen(PS_SOLID, 3, click colour)

struct RippleFigure {
    Rect ellipse;  // Ellipse(dc, left, top, right, bottom)
    bool dot;      // filled with the click colour; otherwise a ring whose inside is the mark brush
};

// Nothing to draw below the dot. `client`: the mark's client size.
std::optional<RippleFigure> RippleFigureFor(int radius, Size client);
