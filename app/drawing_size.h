#pragma once

#include <cstdint>

// The size the saver draws at, in pixels: set at start-up and by the window's size callback,
// read by every frame.
extern std::int32_t windowWidth;
extern std::int32_t windowHeight;
extern float windowAspect;

// Stores a new size and recomputes windowAspect from it.
void setDrawingSize(std::int32_t width, std::int32_t height);
