#pragma once

#include <cstdint>

// What one frame of the fire needs: the size it is drawn at, in pixels, with the ratio the
// projection takes, and the time the shaders see, in seconds.
struct FrameInput {
    std::int32_t windowWidth = 0;
    std::int32_t windowHeight = 0;
    float windowAspect = 0.0f;
    float time = 0.0f;
};

// A frame of this size at this time, with windowAspect the width over the height, both taken as
// floats first.
FrameInput frameInput(std::int32_t width, std::int32_t height, float time);
