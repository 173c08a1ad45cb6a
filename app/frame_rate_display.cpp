#include "app/frame_rate_display.h"

#include "scene/scene.h"
#include "scene/text_overlay.h"
#include "windowing/library.h"

#include <GL/glew.h>

FrameRateDisplay::FrameRateDisplay() : overlay(createTextOverlay()) {}

void FrameRateDisplay::startFrame() {
    if (meter.frameStarted(windowing::libraryTime())) {
        overlay->setText(meter.text());
    }
}

void FrameRateDisplay::finishFrame(PixelSize size) {
    overlay->draw(size.width, size.height);
    glFinish();
    meter.frameDrawn(windowing::libraryTime());
}
