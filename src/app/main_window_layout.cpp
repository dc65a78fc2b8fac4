#include "app/main_window_layout.h"

Point CentredOffset(Size outer, Size inner) { return {(outer.cx - inner.cx) / 2, (outer.cy - inner.cy) / 2}; }

Point IconOrigin(Size client, Size icon) { return {(client.cx - icon.cx + 1) / 2, (client.cy - icon.cy + 1) / 2}; }
