#pragma once
// The overlay parameters the panel hands a new overlay, from its current settings.
#include "overlay/overlay_params.h"
#include "settings/settings.h"

// Position control, sensitivity, the colour code and the hot-key fields are not handed over; the
// panel's window handle is handed to PointerWin::Create beside them.
OverlayParams OverlayParamsFrom(const Settings& settings);
