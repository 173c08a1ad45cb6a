#pragma once

#include "app/saver_app.h"
#include "app/screensaver_args.h"

// The two process-wide objects of the shell. currentArgs is set before anything else runs;
// currentApp only once its window, context and GL state exist.
extern ScreensaverArgs* currentArgs;
extern SaverApp* currentApp;
