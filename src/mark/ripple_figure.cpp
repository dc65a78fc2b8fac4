#include "mark/ripple_figure.h"

#include "mark/ripple.h"

std::optional<RippleFigure> RippleFigureFor(int radius, Size client) {
    if (radius < kRippleDot) return std::nullopt;
    const int d = RippleDiameter(radius);
    // Truncating division, also when a shrinking window leaves the ring wider than the client.
    const int left = (client.cx - d) / 2;
    const int top = (client.cy - d) / 2;
    return RippleFigure{{left, top, left + d, top + d}, radius == kRippleDot};
}
