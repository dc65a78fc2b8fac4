#pragma once
// The window region that cuts the mark into a disc or a ring.
#include "base/geometry.h"

struct MarkRegion {
    Rect outer;  // CreateEllipticRgn
    bool ring;   // if set, XOR the inner ellipse out of the outer one
    Rect inner;
};

// `window` is the mark's actual window size after it has been sized.
MarkRegion MarkRegionFor(int shape, int sizeIndex, Size window);
