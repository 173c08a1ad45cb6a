#pragma once

// Sets up the scene, then draws one frame per display refresh until Escape is held (unless the X11
// daemon's conventions leave input to the daemon), the window is asked to close or, in preview,
// the parent window stops being enabled.
void runMainLoop();

// One frame: the time for the shaders, then the frame itself.
void tick();
