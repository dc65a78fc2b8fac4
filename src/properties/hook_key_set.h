#pragma once
// Which key events the hot-key field's keyboard hook keeps from the system.
#include <bitset>
#include <cstdint>

class HookKeySet {
  public:
    // At installation, for each key the system already has down.
    void HeldBefore(std::uint32_t vk) noexcept { m_heldBefore[vk & 0xFF] = true; }

    // Whether the hook swallows this event (true) or passes it on; it is remembered either way.
    bool Swallows(bool down, std::uint32_t vk) noexcept;

  private:
    std::bitset<256> m_heldBefore;  // down before the hook came, and not released since
    std::bitset<256> m_seenDown;    // went down while the hook was there
};
