#pragma once

#include "app/saver_app.h"

// Sets up the scene, then draws frames on the app's screens, at most one per display refresh and
// with the pause that --delay asks for between them, until Escape is held (unless the X11 daemon's
// conventions leave input to the daemon), a screen is asked to close, every monitor the saver
// covered is gone or, in preview, the parent window stops being enabled. A key or a mouse button
// on any screen ends the process at once, where the screens note input.
void runMainLoop(SaverApp& app);
