#pragma once

// Sets up the scene, then draws frames, at most one per display refresh and with the pause that
// --delay asks for between them, until Escape is held (unless the X11 daemon's conventions leave
// input to the daemon), a window is asked to close, every monitor the saver covered is gone or, in
// preview, the parent window stops being enabled.
void runMainLoop();

// One frame in every window of the saver, all at the same time for the shaders.
void tick();
