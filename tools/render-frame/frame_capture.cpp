#include "tools/render-frame/frame_capture.h"

#include "scene/scene.h"

#include <GL/glew.h>

#include <algorithm>
#include <cstddef>

// The frame is read from the window's back buffer before any swap.
bool FrameCapture::open(int width, int height) {
    context = std::make_unique<windowing::HiddenContext>(PixelSize{width, height});
    return context->valid();
}

RgbImage FrameCapture::capture(int width, int height, float time) {
    RgbImage image;
    if (context == nullptr || !context->valid() || width < 1 || height < 1 ||
        width > context->size().width || height > context->size().height) {
        return image;
    }
    if (!sceneReady) {
        setUpScene();
        sceneReady = true;
    }
    renderFrame(frameInput(width, height, time));
    glFinish();

    image.width = width;
    image.height = height;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> bottomUp(rowBytes * static_cast<std::size_t>(height));
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    image.pixels.resize(bottomUp.size());
    for (int row = 0; row < height; ++row) {
        auto source = bottomUp.begin() + static_cast<std::ptrdiff_t>(row * rowBytes);
        auto target =
            image.pixels.begin() + static_cast<std::ptrdiff_t>((height - 1 - row) * rowBytes);
        std::copy(source, source + static_cast<std::ptrdiff_t>(rowBytes), target);
    }
    return image;
}
