#pragma once
// Arithmetic of the main window: where the panel and the minimised icon go, and which
// system commands open the About box.
#include "base/geometry.h"
#include "res/resource.h"

// Top-left that centres `inner` in `outer` (sizes only); signed division truncating toward zero.
Point CentredOffset(Size outer, Size inner);

// Where the icon is drawn in a minimised window: (client - icon + 1) / 2, truncating toward zero.
Point IconOrigin(Size client, Size icon);

// The About item's command, and any whose low 16 bits lie in 16..31.
constexpr bool IsAboutCommand(unsigned command) { return (command & 0xFFF0) == GLM_IDM_ABOUTBOX; }
