#include "scene/frame_rate_meter.h"

#include <gtest/gtest.h>

namespace {

// Starts and draws count frames of equal length from start on; returns the start of the last
// frame that completed a reading, or -1. Lengths are powers of two, so the sums are exact.
double drawFrames(FrameRateMeter& meter, double start, int count, double period, double drawing) {
    double completed = -1.0;
    for (int i = 0; i < count; ++i) {
        double frameStart = start + i * period;
        if (meter.frameStarted(frameStart)) {
            completed = frameStart;
        }
        meter.frameDrawn(frameStart + drawing);
    }
    return completed;
}

TEST(FrameRateMeter, EachReadingCoversTheFramesSinceTheLast) {
    FrameRateMeter meter;
    // 32 frames a second, each drawn in a quarter of its time.
    EXPECT_EQ(drawFrames(meter, 10.0, 32, 1.0 / 32, 1.0 / 128), -1.0);
    EXPECT_EQ(meter.text(), "");
    EXPECT_EQ(drawFrames(meter, 11.0, 4, 0.25, 0.125), 11.0);
    EXPECT_EQ(meter.text(), "FPS:  32.0\nLoad: 25.0%");
    // The next second's slower frames, drawn in half their time, count alone.
    EXPECT_EQ(drawFrames(meter, 12.0, 1, 1.5, 0.75), 12.0);
    EXPECT_EQ(meter.text(), "FPS:  4.0\nLoad: 50.0%");
    // A frame longer than a second makes a reading of its own.
    EXPECT_EQ(drawFrames(meter, 13.5, 1, 1.0, 0.5), 13.5);
    EXPECT_EQ(meter.text(), "FPS:  0.7\nLoad: 50.0%");
}

} // namespace
