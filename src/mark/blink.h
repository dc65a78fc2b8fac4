#pragma once
// The blink effect: the whole mark fades out and in, one step per blink tick.
#include <cstdint>
#include <optional>

#include "mark/key_poll.h"
#include "mark/mark_params.h"

struct BlinkState {
    int level = 255;  // alpha last shown by the blink
    bool rising = true;
};

// One blink tick; returns the alpha to show (SetLayeredWindowAttributes with LWA_ALPHA).
// A period of 0 or below counts as 1.
std::uint8_t BlinkStep(BlinkState& state, std::uint8_t alpha, int trigger, int period, bool ctrlHeld, bool altHeld);

// The blink tick as the mark runs it: nothing while blink is off; otherwise queries the trigger's key
// only (Ctrl or Alt, or none) and steps.
std::optional<std::uint8_t> BlinkTick(BlinkState& state, const MarkParams& params, KeyPoll& keys);
