#include "render/back_buffer.h"

#include <GL/glew.h>

#include <cstddef>

RgbImage readBackBuffer(int x, int y, int width, int height) {
    // RGBA rows need no change to GL's pack alignment, which the caller's context keeps.
    const std::size_t pixelCount =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> rgba(pixelCount * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());

    RgbImage image{width, height, std::vector<std::uint8_t>(pixelCount * 3)};
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* source = &rgba[static_cast<std::size_t>(height - 1 - row) * width * 4];
        std::uint8_t* target = &image.pixels[static_cast<std::size_t>(row) * width * 3];
        for (int column = 0; column < width; ++column) {
            target[column * 3 + 0] = source[column * 4 + 0];
            target[column * 3 + 1] = source[column * 4 + 1];
            target[column * 3 + 2] = source[column * 4 + 2];
        }
    }
    return image;
}
