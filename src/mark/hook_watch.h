#pragma once
// The system removes a low-level hook that once took too long to answer, and tells nobody. The follow
// poll still sees the pointer move; when it does so tick after tick while the hook reported nothing,
// the hook is installed again.

class HookWatch {
  public:
    HookWatch() noexcept;
    // One tick of the follow poll: whether the pointer moved since the previous tick, and whether the
    // hook reported a move meanwhile. True: install the hook again.
    bool OnPollTick(bool pointerMoved, bool hookSawMoves) noexcept;

  private:
    int m_quietTicks = 0;  // in a row, the pointer moving and the hook silent
    int m_patience;        // how many such ticks in a row make a removed hook
};
