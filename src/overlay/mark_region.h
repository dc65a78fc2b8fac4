#pragma once
// The window region that cuts the overlay into a disc or a ring.
#include "platform/geometry.h"

struct MarkRegion {
    Rect outer;  // CreateEllipticRgn
    bool ring;   // if set, XOR the inner ellipse out of the outer one
    Rect inner;
};

// `window` is the overlay's actual window size after it has been sized.
MarkRegion MarkRegionFor(int shape, int sizeIndex, Size window);
