#pragma once
// Pointer moves arrive on the input hook's thread far faster than the mark needs placing (a 1000 Hz
// mouse): the newest position is kept, and the mark's thread is woken once for however many moves
// come before it gets round to them. At most one placement is thus on its way at any time, and it is
// made at the newest position as soon as the mark's thread is free.
#include <atomic>
#include <cstdint>

#include "base/geometry.h"

// Hands the newest position from the hook's thread to the mark's thread.
//
// Correct only because every access is sequentially consistent: Take gives the wake-up back and then
// reads the position, Store and ClaimWake write the position and then claim the wake-up. In the one
// total order of those four, a position that Take did not read was stored after Take's read, so its
// claim comes after Take gave the wake-up back and wakes the mark's thread again: no move is lost.
// Acquire and release alone would let Take's read overtake its store, and the last move of a sweep
// could then be neither read nor woken for.
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
