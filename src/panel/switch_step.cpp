#include "panel/switch_step.h"

OverlayChange DecideSwitch(bool onFlag, bool overlayExists) {
    if (onFlag && !overlayExists) return OverlayChange::Create;
    if (!onFlag && overlayExists) return OverlayChange::Destroy;
    return OverlayChange::None;
}

SwitchOutcome SwitchOutcomeFor(OverlayChange change, bool onFlag, bool markExists) {
    // The text changes only with the overlay, and switching off never restores the main window.
    switch (change) {
        case OverlayChange::Create:
            if (markExists) return {onFlag, kOffButtonText, true};
            return {false, kOnButtonText, false};
        case OverlayChange::Destroy: return {onFlag, kOnButtonText, false};
        case OverlayChange::None: break;
    }
    return {onFlag, nullptr, false};
}
