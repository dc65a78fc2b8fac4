#include "platform/hot_keys.h"

#include "base/hot_key_attempts.h"

std::optional<DWORD> RegisterHotKeyOnce(HWND window, int id, UINT modifiers, UINT key) {
    return RegisterWithoutRepeat(modifiers, [&](std::uint32_t tried) -> std::optional<std::uint32_t> {
        if (::RegisterHotKey(window, id, tried, key)) return std::nullopt;
        return ::GetLastError();
    });
}

bool ProbeHotKey(HWND window, int id, UINT modifiers, UINT key) {
    const bool registered = !RegisterHotKeyOnce(window, id, modifiers, key);
    ::UnregisterHotKey(window, id);
    return registered;
}
