#pragma once

#include <cstdint>
#include <vector>

// An 8-bit RGB picture, top row first.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};
