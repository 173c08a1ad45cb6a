#pragma once

#include "scene/common_uniforms.h"

// Shared by the scene and the main loop's tick, which stores each frame's time here.
extern CommonUniforms* commonUniforms;

// Creates the scene's objects once, with the window's GL context current.
void setUpScene();

// Draws one frame into the window at the current drawing size.
void renderFrame();
