#include "base/centring.h"

Point CentreWithin(Rect centreOn, Size size, Rect workArea) {
    Point p{(centreOn.left + centreOn.right) / 2 - size.cx / 2, (centreOn.top + centreOn.bottom) / 2 - size.cy / 2};
    if (p.x + size.cx > workArea.right) p.x = workArea.right - size.cx;
    if (p.x < workArea.left) p.x = workArea.left;
    if (p.y + size.cy > workArea.bottom) p.y = workArea.bottom - size.cy;
    if (p.y < workArea.top) p.y = workArea.top;
    return p;
}
