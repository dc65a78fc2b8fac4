#pragma once
// The boundary between the core's value types and the Win32 ones.
#include <windows.h>

#include "base/geometry.h"

inline Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
