#include "properties/hook_key_set.h"

// The system marks a key released only when its release gets past the hooks. Every press is
// swallowed, so that no program sees what is typed into the field; a release is swallowed only
// when the hook swallowed the press too. A key already down when the hook came (the Shift of the
// Shift+Tab that brought the focus here) auto-repeats into the hook as presses: those repeats
// do not make its release ours, or it would stay held for every program.
bool HookKeySet::Swallows(bool down, std::uint32_t vk) noexcept {
    const std::size_t key = vk & 0xFF;
    if (down) {
        if (!m_heldBefore[key]) m_seenDown[key] = true;
        return true;
    }
    if (m_heldBefore[key]) {
        m_heldBefore[key] = false;
        return false;
    }
    const bool ours = m_seenDown[key];
    m_seenDown[key] = false;
    return ours;
}
