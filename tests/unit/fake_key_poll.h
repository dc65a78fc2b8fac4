#pragma once
// A key-state source that behaves like the platform: bit 15 while down, bit 0 for a press since the
// previous query of that key, reported to one query only. Records every key asked for.
#include <cstdint>
#include <set>
#include <vector>

#include "mark/key_poll.h"

class FakeKeyPoll : public KeyPoll {
  public:
    void Press(std::uint16_t vk) {
        m_down.insert(vk);
        m_pressedSince.insert(vk);
    }
    void Release(std::uint16_t vk) { m_down.erase(vk); }
    // Pressed and released between two queries: only the "pressed since" bit remains.
    void Click(std::uint16_t vk) { m_pressedSince.insert(vk); }

    std::int16_t AsyncKeyState(std::uint16_t vk) override {
        asked.push_back(vk);
        std::uint16_t state = 0;
        if (m_down.count(vk) != 0) state |= 0x8000;
        if (m_pressedSince.erase(vk) != 0) state |= 0x0001;
        return static_cast<std::int16_t>(state);
    }

    std::vector<std::uint16_t> asked;

  private:
    std::set<std::uint16_t> m_down;
    std::set<std::uint16_t> m_pressedSince;
};
