#pragma once
// What the panel does with the settings the properties dialog hands back after OK.
#include <vector>

#include "settings/settings.h"

// The settings in force from then on: all the dialog handed back, with both colours following the
// colour code and the follow interval at its fixed pace.
Settings AcceptedSettings(Settings edited);

enum class AcceptStep { ReleaseHotKey, RegisterHotKey, Save };

// What the panel does once the accepted settings are in force, in this order.
std::vector<AcceptStep> AcceptSteps(const Settings& accepted);
