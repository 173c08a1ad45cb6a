#include "app/preview_report.h"

#include <GL/glew.h>

#include <cstdio>

namespace {

struct Rgb {
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
};

Rgb backBufferPixel(std::int32_t x, std::int32_t y) {
    unsigned char rgba[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}

} // namespace

void reportFirstPreviewFrame(platform::NativeWindowHandle parent, std::int32_t width,
                             std::int32_t height) {
    Rgb bottom = backBufferPixel(width / 2, 0);
    Rgb corner = backBufferPixel(0, height - 1);
    std::printf("Preview: %dx%d in window %lld, first frame bottom centre %d %d %d, top left "
                "%d %d %d\n",
                width, height, static_cast<long long>(parent), bottom.red, bottom.green,
                bottom.blue, corner.red, corner.green, corner.blue);
    std::fflush(stdout);
}
