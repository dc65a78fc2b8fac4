#include "mark/click_tick.h"

#include "base/virtual_keys.h"

namespace {
// Both buttons are always queried, so that each query consumes its own "pressed since" bit.
bool EitherButtonPressed(KeyPoll& keys) {
    const bool left = ButtonPressed(keys, vk::kLButton);
    const bool right = ButtonPressed(keys, vk::kRButton);
    return left || right;
}
}  // namespace

ClickTickResult ClickTick(ClickEffects& effects, const MarkParams& params, Rect windowRect, int clientWidth,
                          KeyPoll& keys) {
    ClickTickResult out;
    // Only the exact shape values run effects; other ring values (from an edited profile) run none.
    const bool circle = params.shape == kCircleShape;
    const bool ring = params.shape == kRingShape;

    if (params.rippleEnabled != 0 && circle) {
        // The first query of the tick: a click shorter than a tick is seen here through bit 0 alone.
        if (RippleStep(effects.ripple, ButtonPressed(keys, vk::kLButton), clientWidth)) out.repaint = true;
    }
    if (params.clickMonitor != 0 && circle) {
        const Reshape reshape = GrowStep(effects.grow, EitherButtonPressed(keys), windowRect);
        if (reshape.apply) {
            out.reshape = true;
            out.window = reshape.window;
        }
        if (reshape.repaint) out.repaint = true;
    }
    if (params.clickMonitor != 0 && ring) {
        if (ColourSwapStep(effects.clickState, EitherButtonPressed(keys))) out.repaint = true;
    }
    return out;
}
