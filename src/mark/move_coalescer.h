#pragma once
// Pointer moves arrive on the input hook's thread far faster than the mark needs placing (a 1000 Hz
// mouse): the newest position is kept, and the mark's thread is woken once for however many moves
// come before it gets round to them, and at most once per pacing gap.
#include <atomic>
#include <cstdint>

#include "base/geometry.h"

// Hands the newest position from the hook's thread to the mark's thread.
class MoveCoalescer {
  public:
    // Hook's thread: `p` becomes the newest position.
    void Store(Point p) noexcept;
    // Hook's thread: true when the mark's thread must be woken, false when a wake-up is still on its
    // way (the mark's thread will find the newest position when it gets there).
    bool ClaimWake() noexcept;
    // Mark's thread, once woken: the newest position. The next claim wakes it again.
    Point Take() noexcept;

  private:
    std::atomic<std::uint64_t> m_newest{0};
    std::atomic<bool> m_wakePending{false};
};

// When, on the hook's thread, the mark's thread is woken for a move. Placing faster than a screen
// refreshes shows nothing more and costs the window system a redraw each time: a move after a pause
// wakes it at once; within a fast sweep, a move wakes it only `gapUs` after the last wake-up, and the
// follow poll, due a full interval after each placement, places the sweep's end.
class WakePacer {
  public:
    explicit constexpr WakePacer(std::int64_t gapUs) : m_gapUs(gapUs) {}
    // A move at `nowUs`: true to wake the mark's thread now.
    bool OnMove(std::int64_t nowUs) noexcept;

  private:
    std::int64_t m_gapUs;
    std::int64_t m_lastWakeUs = INT64_MIN / 2;
};
