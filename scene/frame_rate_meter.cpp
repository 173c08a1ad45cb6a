#include "scene/frame_rate_meter.h"

#include <cstdio>

namespace {

constexpr double kReadingSeconds = 1.0;

} // namespace

bool FrameRateMeter::frameStarted(double seconds) {
    frameStart = seconds;
    if (!counting) {
        counting = true;
        readingStart = seconds;
        return false;
    }
    ++frames;
    double elapsed = seconds - readingStart;
    if (elapsed < kReadingSeconds) {
        return false;
    }
    char text[64];
    std::snprintf(text, sizeof text, "FPS:  %.1f\nLoad: %.1f%%", frames / elapsed,
                  100.0 * drawing / elapsed);
    lines = text;
    readingStart = seconds;
    frames = 0;
    drawing = 0.0;
    return true;
}

void FrameRateMeter::frameDrawn(double seconds) {
    if (counting) {
        drawing += seconds - frameStart;
    }
}
