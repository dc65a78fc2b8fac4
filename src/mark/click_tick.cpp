#include "mark/click_tick.h"

#include "base/virtual_keys.h"

namespace {
// Both buttons are always queried, so that each query consumes its own "pressed since" bit.
bool EitherButtonPressed(KeyPoll& keys) {
    const bool left = ButtonPressed(keys, vk::kLButton);
    const bool right = ButtonPressed(keys, vk::kRButton);
    return left || right;
}
// Only the exact shape values run effects; other ring values (from an edited profile) run none.
bool RippleOn(const MarkParams& p) { return p.rippleEnabled && p.shape == kCircleShape; }
bool GrowOn(const MarkParams& p) { return p.clickMonitor && p.shape == kCircleShape; }
bool ColourSwapOn(const MarkParams& p) { return p.clickMonitor && p.shape == kRingShape; }
}  // namespace

bool ClickEffectsOn(const MarkParams& params) { return RippleOn(params) || GrowOn(params) || ColourSwapOn(params); }

ClickTickResult ClickTick(ClickEffects& effects, const MarkParams& params, Rect windowRect, int clientWidth,
                          KeyPoll& keys) {
    ClickTickResult out;
    if (RippleOn(params)) {
        // The first query of the tick: a click shorter than a tick is seen here through bit 0 alone.
        if (RippleStep(effects.ripple, ButtonPressed(keys, vk::kLButton), clientWidth)) out.repaint = true;
    }
    if (GrowOn(params)) {
        const Reshape reshape = GrowStep(effects.grow, EitherButtonPressed(keys), windowRect);
        if (reshape.apply) {
            out.reshape = true;
            out.window = reshape.window;
        }
        if (reshape.repaint) out.repaint = true;
    }
    if (ColourSwapOn(params)) {
        if (ColourSwapStep(effects.clickState, EitherButtonPressed(keys))) out.repaint = true;
    }
    return out;
}
