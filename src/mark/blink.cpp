#include "mark/blink.h"

#include "base/virtual_keys.h"

namespace {
bool TriggerHeld(int trigger, bool ctrlHeld, bool altHeld) {
    switch (trigger) {
        case kBlinkAlways:
            return true;
        case kBlinkWhileCtrl:
            return ctrlHeld;
        case kBlinkWhileAlt:
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

    if (state.rising) {
        state.level += step;
        if (state.level < alpha) return static_cast<std::uint8_t>(state.level);
        state.level = alpha;
        state.rising = false;
        return alpha;
    }
    state.level -= step;
    if (state.level >= 0) return static_cast<std::uint8_t>(state.level);
    state.level = 0;
    state.rising = true;
    return 0;
}

std::optional<std::uint8_t> BlinkTick(BlinkState& state, const MarkParams& params, KeyPoll& keys) {
    if (!params.blinkEnabled) return std::nullopt;
    const bool ctrlHeld = params.blinkTrigger == kBlinkWhileCtrl && KeyHeld(keys, vk::kControl);
    const bool altHeld = params.blinkTrigger == kBlinkWhileAlt && KeyHeld(keys, vk::kMenu);
    return BlinkStep(state, params.alpha, params.blinkTrigger, params.blinkPeriod, ctrlHeld, altHeld);
}
