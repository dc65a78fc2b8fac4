#include "mark/colour_swap.h"

bool ColourSwapStep(ClickState& state, bool pressed) {
    switch (state) {
        case ClickState::WaitingForRelease:
            if (!pressed) state = ClickState::Idle;
            return false;
        case ClickState::Idle:
            if (!pressed) return false;
            state = ClickState::Held;
            return true;
        case ClickState::Held:
            if (pressed) return false;
            state = ClickState::Idle;
            return true;
    }
    return false;
}
