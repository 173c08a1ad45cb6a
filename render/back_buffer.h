#pragma once

#include "render/rgb_image.h"

// Reads a region of the current context's back buffer, whose bottom-left corner is (x, y) in
// window coordinates with y up, as a picture with its top row first. Only a frame that has not
// been swapped yet is still there to read.
RgbImage readBackBuffer(int x, int y, int width, int height);
