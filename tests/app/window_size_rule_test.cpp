#include "app/window_size_rule.h"

#include <gtest/gtest.h>

namespace {

void expectSize(PixelSize size, int width, int height) {
    EXPECT_EQ(size.width, width);
    EXPECT_EQ(size.height, height);
}

TEST(WindowSizeRule, FullScreenModesTakeThePrimaryMonitorsModeFromVersion60) {
    PixelSize monitor{1920, 1080};
    expectSize(chooseWindowSize(SaverMode::Fullscreen, 60, &monitor, nullptr), 1920, 1080);
    expectSize(chooseWindowSize(SaverMode::None, 100, &monitor, nullptr), 1920, 1080);
}

TEST(WindowSizeRule, OlderSystemsGet800By600WhateverTheMonitor) {
    PixelSize monitor{1920, 1080};
    expectSize(chooseWindowSize(SaverMode::Fullscreen, 51, &monitor, nullptr), 800, 600);
    expectSize(chooseWindowSize(SaverMode::None, 59, &monitor, nullptr), 800, 600);
}

TEST(WindowSizeRule, PreviewTakesTheParentsClientAreaOnAnySystem) {
    PixelSize monitor{1920, 1080};
    PixelSize parent{152, 112};
    expectSize(chooseWindowSize(SaverMode::Preview, 61, &monitor, &parent), 152, 112);
    expectSize(chooseWindowSize(SaverMode::Preview, 50, &monitor, &parent), 152, 112);
}

TEST(WindowSizeRule, TheDesktopWindowIs1280By720WhateverTheMonitorOrSystem) {
    PixelSize monitor{1920, 1080};
    expectSize(chooseWindowSize(SaverMode::Windowed, 100, &monitor, nullptr), 1280, 720);
    expectSize(chooseWindowSize(SaverMode::Windowed, 50, nullptr, nullptr), 1280, 720);
}

TEST(WindowSizeRule, UnreadableSizesFallBackTo800By600) {
    PixelSize empty{0, 0};
    PixelSize negative{-5, 300};
    PixelSize flat{640, 0};
    expectSize(chooseWindowSize(SaverMode::Fullscreen, 61, nullptr, nullptr), 800, 600);
    expectSize(chooseWindowSize(SaverMode::Fullscreen, 61, &empty, nullptr), 800, 600);
    expectSize(chooseWindowSize(SaverMode::Preview, 61, nullptr, nullptr), 800, 600);
    expectSize(chooseWindowSize(SaverMode::Preview, 61, nullptr, &negative), 800, 600);
    expectSize(chooseWindowSize(SaverMode::Preview, 61, nullptr, &flat), 800, 600);
}

TEST(OsVersionNumber, ReadsMajorAndMinorFromTheLowWordOnly) {
    EXPECT_EQ(osVersionNumberFromWord(0x00000006), 60);  // Vista, 6.0
    EXPECT_EQ(osVersionNumberFromWord(0x1DB10106), 61);  // 7, 6.1, build 7601
    EXPECT_EQ(osVersionNumberFromWord(0x23F00206), 62);  // 8, 6.2, build 9200
    EXPECT_EQ(osVersionNumberFromWord(0x0A280105), 51);  // XP, 5.1, build 2600
    EXPECT_EQ(osVersionNumberFromWord(0x0000000A), 100); // 10.0
}

} // namespace
