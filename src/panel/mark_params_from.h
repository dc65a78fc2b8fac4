#pragma once
// The mark parameters the panel hands a new mark, from its current settings.
#include "mark/mark_params.h"
#include "settings/settings.h"

// Position control, sensitivity, the colour code and the hot-key fields are not handed over; the
// panel's window handle is handed to PointerWin::Create beside them.
MarkParams MarkParamsFrom(const Settings& settings);
