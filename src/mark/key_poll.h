#pragma once
// The effects poll the mouse buttons and the trigger keys instead of receiving input messages.
#include <cstdint>

// One query of the asynchronous key state, as GetAsyncKeyState answers it: bit 15 set while the key
// is down, bit 0 set if it was pressed since the previous query (reported to one query only).
class KeyPoll {
  public:
    virtual ~KeyPoll() = default;
    virtual std::int16_t AsyncKeyState(std::uint16_t vk) = 0;
};

// Down now or pressed since the previous query; one fresh query per call.
bool ButtonPressed(KeyPoll& keys, std::uint16_t vk);

// Down now (bit 15 only); one fresh query per call.
bool KeyHeld(KeyPoll& keys, std::uint16_t vk);
