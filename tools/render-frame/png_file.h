#pragma once

#include "render/rgb_image.h"

#include <string>

// Writes the picture as an 8-bit RGB PNG; false when the file cannot be written.
bool writePng(const std::string& path, const RgbImage& image);
