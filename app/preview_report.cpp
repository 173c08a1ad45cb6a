#include "app/preview_report.h"

#include "render/back_buffer.h"

#include <cstdio>

void reportFirstPreviewFrame(platform::NativeWindowHandle parent, std::int32_t width,
                             std::int32_t height) {
    const RgbImage bottom = readBackBuffer(width / 2, 0, 1, 1);
    const RgbImage corner = readBackBuffer(0, height - 1, 1, 1);
    const std::uint8_t* b = bottom.pixels.data();
    const std::uint8_t* c = corner.pixels.data();
    std::printf("Preview: %dx%d in window %lld, first frame bottom centre %d %d %d, top left "
                "%d %d %d\n",
                width, height, static_cast<long long>(parent), b[0], b[1], b[2], c[0], c[1], c[2]);
    std::fflush(stdout);
}
