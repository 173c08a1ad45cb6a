#pragma once

#include "scene/common_uniforms.h"

#include <cstdint>

// Shared by the scene and the main loop's tick, which stores each frame's time here.
extern CommonUniforms* commonUniforms;

// Creates the scene's objects once, with the window's GL context current.
void setUpScene();

// Draws one frame into the window at the shell's current drawing size: width and height in pixels
// and their ratio for the projection.
void renderFrame(std::int32_t width, std::int32_t height, float aspect);
