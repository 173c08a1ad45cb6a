#pragma once

// A window's or a monitor's size in pixels.
struct PixelSize {
    int width = 0;
    int height = 0;
};
