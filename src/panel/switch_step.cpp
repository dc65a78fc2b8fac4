#include "panel/switch_step.h"

SwitchDecision DecideSwitch(bool onFlag, bool overlayExists) {
    // The text changes only with the overlay, and switching off never restores the main window.
    if (onFlag && !overlayExists) return {OverlayChange::Create, kOffButtonText, true};
    if (!onFlag && overlayExists) return {OverlayChange::Destroy, kOnButtonText, false};
    return {};
}
