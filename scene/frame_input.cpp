#include "scene/frame_input.h"

FrameInput frameInput(std::int32_t width, std::int32_t height, float time) {
    return {width, height, static_cast<float>(width) / static_cast<float>(height), time};
}
