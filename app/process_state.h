#pragma once

#include "app/saver_app.h"

// The shell's one process-wide object, set once its window, context and GL state exist and never
// freed. It holds the parsed command line as well.
extern SaverApp* currentApp;
