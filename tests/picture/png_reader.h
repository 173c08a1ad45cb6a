#pragma once

#include "render/rgb_image.h"

#include <string>

// Reads a PNG as 8-bit RGB, top row first; an empty image when the file is not a PNG. Only
// 8-bit RGB files are accepted unchanged, so a wrong format shows as a failed read.
RgbImage readRgbPng(const std::string& path);
