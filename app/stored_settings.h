#pragma once

#include "app/settings.h"

// Reads every setting that the platform keeps for the user (on Windows the registry values of the
// setting table) into the settings; one that is not set keeps its value.
void readStoredSettings(Settings* settings);
