#include "panel/properties_accept.h"

Settings AcceptedSettings(Settings edited) {
    ApplyColourCode(edited);
    return edited;
}

// The old toggle hot key goes first, also when the new one is off: the system would refuse a
// combination we still hold. The save comes last, so a message that the new hot key is taken
// comes before one that the file could not be written.
std::vector<AcceptStep> AcceptSteps(const Settings& accepted) {
    if (accepted.hotKeyEnabled) return {AcceptStep::ReleaseHotKey, AcceptStep::RegisterHotKey, AcceptStep::Save};
    return {AcceptStep::ReleaseHotKey, AcceptStep::Save};
}
