#include "platform/hot_keys.h"

bool ProbeHotKey(HWND window, int id, UINT modifiers, UINT key) {
    const bool registered = ::RegisterHotKey(window, id, modifiers, key) != FALSE;
    ::UnregisterHotKey(window, id);
    return registered;
}
