#include "mark/move_coalescer.h"

namespace {
std::uint64_t Pack(Point p) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.x)) << 32 | static_cast<std::uint32_t>(p.y);
}
Point Unpack(std::uint64_t v) {
    return {static_cast<std::int32_t>(static_cast<std::uint32_t>(v >> 32)),
            static_cast<std::int32_t>(static_cast<std::uint32_t>(v))};
}
}  // namespace

void MoveCoalescer::Store(Point p) noexcept { m_newest.store(Pack(p), std::memory_order_seq_cst); }

bool MoveCoalescer::ClaimWake() noexcept { return !m_wakePending.exchange(true, std::memory_order_seq_cst); }

// The wake-up is given back before the position is read: a move stored in between is either read now
// or claims a wake-up of its own, never lost.
Point MoveCoalescer::Take() noexcept {
    m_wakePending.store(false, std::memory_order_seq_cst);
    return Unpack(m_newest.load(std::memory_order_seq_cst));
}
