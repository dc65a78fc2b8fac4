#pragma once
// The effects poll the mouse buttons and the trigger keys instead of receiving input messages.
#include <cstdint>

// The bits of one GetAsyncKeyState answer; the second is reported to one query only.
constexpr std::uint16_t kKeyDownNow = 0x8000;
constexpr std::uint16_t kKeyPressedSinceLastQuery = 0x0001;

// One query of the asynchronous key state, as GetAsyncKeyState answers it.
class KeyPoll {
  public:
    virtual ~KeyPoll() = default;
    virtual std::int16_t AsyncKeyState(std::uint16_t vk) = 0;
};

// The mouse buttons as the user has set them up. The platform answers for the physical buttons, so while
// they are swapped (the primary button on the right, for the left hand) a query of the left button is
// made of the right one and a query of the right button of the left one, in the same order.
class LogicalButtons final : public KeyPoll {
  public:
    LogicalButtons(KeyPoll& physical, bool swapped) : m_physical(physical), m_swapped(swapped) {}
    std::int16_t AsyncKeyState(std::uint16_t vk) override;

  private:
    KeyPoll& m_physical;
    bool m_swapped;
};

// Down now or pressed since the previous query; one fresh query per call.
bool ButtonPressed(KeyPoll& keys, std::uint16_t vk);

// Down now only; one fresh query per call.
bool KeyHeld(KeyPoll& keys, std::uint16_t vk);
