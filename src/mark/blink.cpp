#include "mark/blink.h"

#include "base/virtual_keys.h"

namespace {
constexpr int kRising = 1;
constexpr int kFalling = 0;

bool TriggerHeld(int trigger, bool ctrlHeld, bool altHeld) {
    switch (trigger) {
        case 0:
            return true;
        case 1:
            return ctrlHeld;
        case 2:
            return altHeld;
        default:
            return false;  // an unknown trigger never blinks
    }
}
}  // namespace

std::uint8_t BlinkStep(BlinkState& state, std::uint8_t alpha, int trigger, int period, bool ctrlHeld, bool altHeld) {
    if (!TriggerHeld(trigger, ctrlHeld, altHeld)) {
        // Steady while the key is up; the direction is kept, so blinking resumes the way it went.
        state.level = alpha;
        return alpha;
    }
    // Only a hand-edited profile gives a period below 1; it must not divide by zero.
    const int divisor = period < 1 ? 1 : period;
    int step = alpha / divisor;
    if (step == 0) step = 1;

    if (state.direction == kRising) {
        state.level += step;
        if (state.level < alpha) return static_cast<std::uint8_t>(state.level);
        state.level = alpha;
        state.direction = kFalling;
        return alpha;
    }
    state.level -= step;
    if (state.level >= 0) return static_cast<std::uint8_t>(state.level);
    state.level = 0;
    state.direction = kRising;
    return 0;
}

std::optional<std::uint8_t> BlinkTick(BlinkState& state, const MarkParams& params, KeyPoll& keys) {
    if (params.blinkEnabled == 0) return std::nullopt;
    const bool ctrlHeld = params.blinkTrigger == 1 && KeyHeld(keys, vk::kControl);
    const bool altHeld = params.blinkTrigger == 2 && KeyHeld(keys, vk::kMenu);
    return BlinkStep(state, params.alpha, params.blinkTrigger, params.blinkPeriod, ctrlHeld, altHeld);
}
