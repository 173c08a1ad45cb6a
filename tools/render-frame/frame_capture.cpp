#include "tools/render-frame/frame_capture.h"

#include "app/window_hints.h"
#include "render/gl_state.h"
#include "scene/scene.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <algorithm>
#include <cstddef>

bool FrameCapture::open(int width, int height) {
    if (!glfwInit()) {
        return false;
    }
    setSaverWindowHints();
    // Never mapped: the frame is read from the window's back buffer before any swap.
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    window = glfwCreateWindow(width, height, "render-frame", nullptr, nullptr);
    if (window == nullptr) {
        return false;
    }
    glfwMakeContextCurrent(window);
    glewInit();
    applyFixedGlState();
    maxWidth = width;
    maxHeight = height;
    return true;
}

RgbImage FrameCapture::capture(int width, int height, float time) {
    RgbImage image;
    if (window == nullptr || width < 1 || height < 1 || width > maxWidth || height > maxHeight) {
        return image;
    }
    if (!sceneReady) {
        setUpScene();
        sceneReady = true;
    }
    commonUniforms->setTime(time);
    renderFrame(width, height, static_cast<float>(width) / static_cast<float>(height));
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
