#include "mark/mark_region.h"

#include "mark/size_table.h"
#include "settings/settings.h"

MarkRegion MarkRegionFor(int shape, int sizeIndex, Size window) {
    MarkRegion region{{0, 0, window.cx, window.cy}, false, {}};
    // Any shape but the circle is cut as a ring, even values only an edited profile can give.
    if (shape != kCircleShape) {
        const int c = MarkSizeFor(sizeIndex).ringInset;
        region.ring = true;
        region.inner = {c, c, window.cx - c, window.cy - c};
    }
    return region;
}
