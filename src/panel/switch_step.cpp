#include "panel/switch_step.h"

MarkChange DecideSwitch(bool onFlag, bool markExists) {
    if (onFlag && !markExists) return MarkChange::Create;
    if (!onFlag && markExists) return MarkChange::Destroy;
    return MarkChange::None;
}

SwitchOutcome SwitchOutcomeFor(MarkChange change, bool onFlag, bool markExists) {
    // The text changes only with the mark, and switching off never restores the main window.
    switch (change) {
        case MarkChange::Create:
            if (markExists) return {onFlag, kOffButtonText, true};
            return {false, kOnButtonText, false};
        case MarkChange::Destroy:
            return {onFlag, kOnButtonText, false};
        case MarkChange::None:
            break;
    }
    return {onFlag, nullptr, false};
}
