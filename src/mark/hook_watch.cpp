#include "mark/hook_watch.h"

namespace {
// Ticks of the poll with the pointer moving and the hook silent before the hook is installed again.
constexpr int kFirstPatience = 5;
// Moves that no hook ever reports (another program's SetCursorPos) look the same: each install that
// brings nothing doubles the patience, up to this.
constexpr int kMostPatience = 640;
}  // namespace

HookWatch::HookWatch() noexcept : m_patience(kFirstPatience) {}

bool HookWatch::OnPollTick(bool pointerMoved, bool hookSawMoves) noexcept {
    if (hookSawMoves) {
        m_quietTicks = 0;
        m_patience = kFirstPatience;
        return false;
    }
    if (!pointerMoved) {
        m_quietTicks = 0;
        return false;
    }
    if (++m_quietTicks < m_patience) return false;
    m_quietTicks = 0;
    m_patience = m_patience * 2 > kMostPatience ? kMostPatience : m_patience * 2;
    return true;
}
