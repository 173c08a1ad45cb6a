#pragma once

#include "scene/frame_input.h"

class TextOverlay;

// Creates the scene's objects once, with the window's GL context current.
void setUpScene();

// Draws one frame into the current context's window: the time for the shaders, the projection,
// viewport and uniforms for the frame's size.
void renderFrame(const FrameInput& frame);

// Clears the current context's window to black: a monitor that shows no fire.
void renderBlankFrame(const FrameInput& frame);

// A text overlay whose program joins the scene's; after setUpScene.
TextOverlay* createTextOverlay();
