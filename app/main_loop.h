#pragma once

// Sets up the scene, then draws one frame per display refresh until Escape is held, the window is
// asked to close or, in preview, the parent window stops being enabled.
void runMainLoop();

// One frame: the time for the shaders, then the frame itself.
void tick();
