#include "tools/render-frame/frame_capture.h"

#include "render/back_buffer.h"
#include "scene/scene.h"

#include <GL/glew.h>

// The frame is read from the window's back buffer before any swap.
bool FrameCapture::open(int width, int height) {
    context = std::make_unique<windowing::HiddenContext>(PixelSize{width, height});
    return context->valid();
}

RgbImage FrameCapture::capture(int width, int height, float time) {
    if (context == nullptr || !context->valid() || width < 1 || height < 1 ||
        width > context->size().width || height > context->size().height) {
        return {};
    }
    if (!sceneReady) {
        setUpScene();
        sceneReady = true;
    }
    renderFrame(frameInput(width, height, time));
    glFinish();
    return readBackBuffer(0, 0, width, height);
}
