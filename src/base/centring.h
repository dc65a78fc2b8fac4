#pragma once
// Where a dialog goes when the system is left to place it.
#include "base/geometry.h"

// Top-left that centres a window of `size` on `centreOn`, kept inside `workArea` where it fits.
Point CentreWithin(Rect centreOn, Size size, Rect workArea);
