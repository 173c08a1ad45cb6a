#include "scene/frame_rate_display.h"

#include "scene/scene.h"
#include "scene/text_overlay.h"

#include <GL/glew.h>

#include <utility>

FrameRateDisplay::FrameRateDisplay(std::function<double()> clock)
    : clock(std::move(clock)), overlay(createTextOverlay()) {}

void FrameRateDisplay::startFrame() {
    if (meter.frameStarted(clock())) {
        overlay->setText(meter.text());
    }
}

void FrameRateDisplay::finishFrame(std::int32_t width, std::int32_t height) {
    overlay->draw(width, height);
    glFinish();
    meter.frameDrawn(clock());
}
