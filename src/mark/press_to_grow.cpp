#include "mark/press_to_grow.h"

namespace {
constexpr int kGrowBy = 6;  // pixels on every side
}

Reshape GrowStep(GrowState& state, bool pressed, Rect windowRect) {
    Reshape out;
    if (!state.grown && pressed) {
        // A button already held when the mark starts grows it at once: there is no waiting state.
        state.remembered = {windowRect.Width(), windowRect.Height()};
        out.apply = true;
        out.window = {windowRect.left - kGrowBy, windowRect.top - kGrowBy, windowRect.right + kGrowBy,
                      windowRect.bottom + kGrowBy};
        out.repaint = true;
        state.grown = true;
    } else if (state.grown && !pressed) {
        // Back to exactly the remembered size, keeping the centre; the placement may have moved the
        // grown window since, so start from where it is now.
        out.apply = true;
        out.window = {windowRect.left + kGrowBy, windowRect.top + kGrowBy,
                      windowRect.left + kGrowBy + state.remembered.cx, windowRect.top + kGrowBy + state.remembered.cy};
        state.grown = false;
    }
    return out;
}
