#include "app/frame_pacer.h"

#include <gtest/gtest.h>

namespace {

constexpr double kPeriod = 1.0 / 60;

TEST(FramePacer, AQuickFrameWaitsOutTheRestOfTheRefreshPeriod) {
    FramePacer pacer(0.0);
    EXPECT_NEAR(pacer.waitAfterFrame(2.0, 2.004, kPeriod), kPeriod - 0.004, 1e-9);
    EXPECT_NEAR(pacer.waitAfterFrame(1.0, 1.01, 0.05), 0.04, 1e-9);
    // Rests of less than half a period are waited out too; only a sliver is left out.
    EXPECT_NEAR(pacer.waitAfterFrame(1.0, 1.035, 0.05), 0.015, 1e-9);
    // A slow frame, or one that started late, does not wait: nothing is made up later.
    EXPECT_EQ(pacer.waitAfterFrame(2.0, 2.0 + 3 * kPeriod, kPeriod), 0.0);
}

TEST(FramePacer, SwapsThatWaitForTheDisplayAreLeftAsTheyAre) {
    // A display of 59.94 Hz that reports 59: each swap ends one real refresh after the last, a
    // little sooner than the reported period. Waiting the difference would miss refreshes.
    FramePacer pacer(0.0);
    double refresh = 1.0 / 59.94;
    for (int frame = 0; frame < 600; ++frame) {
        double start = frame * refresh;
        EXPECT_EQ(pacer.waitAfterFrame(start, start + refresh, 1.0 / 59), 0.0) << frame;
    }
}

TEST(FramePacer, TheDelayIsTheLeastPauseAfterAFrame) {
    FramePacer longDelay(0.03);
    EXPECT_NEAR(longDelay.waitAfterFrame(0.0, 0.002, kPeriod), 0.03, 1e-9);
    // A pause shorter than the rest of the period does not bring the next frame sooner.
    FramePacer shortDelay(0.005);
    EXPECT_NEAR(shortDelay.waitAfterFrame(0.0, 0.002, kPeriod), kPeriod - 0.002, 1e-9);
    EXPECT_NEAR(shortDelay.waitAfterFrame(0.0, kPeriod, kPeriod), 0.005, 1e-9);
}

} // namespace
