#include "app/screensaver_args.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

struct Parsed {
    SaverMode mode;
    platform::NativeWindowHandle parent;
};

Parsed parse(const char* line) {
    std::unique_ptr<ScreensaverArgs> args(parseScreensaverArgs(line));
    return {args->mode, args->parent};
}

void expectParsed(const char* line, SaverMode mode, platform::NativeWindowHandle parent) {
    Parsed parsed = parse(line);
    EXPECT_EQ(parsed.mode, mode) << "line \"" << line << "\"";
    EXPECT_EQ(parsed.parent, parent) << "line \"" << line << "\"";
}

TEST(ScreensaverArgs, WindowsInvocationsSelectTheirModes) {
    expectParsed("/s", SaverMode::Fullscreen, 0);
    expectParsed("/p 1234", SaverMode::Preview, 1234);
    expectParsed("/c:1234", SaverMode::Configure, 1234);
    expectParsed("/c", SaverMode::Configure, 0);
}

TEST(ScreensaverArgs, NoRecognisedSwitchRunsUnderTheSingleInstanceRule) {
    expectParsed("", SaverMode::None, 0);
    expectParsed("/S", SaverMode::None, 0);
    expectParsed("/P 1234", SaverMode::None, 0);
    expectParsed("/x 55", SaverMode::None, 0);
    expectParsed("no switch at all", SaverMode::None, 0);
    expectParsed("////", SaverMode::None, 0);
    expectParsed("/", SaverMode::None, 0);
}

TEST(ScreensaverArgs, NullLineIsAnEmptyLine) {
    expectParsed(nullptr, SaverMode::None, 0);
}

TEST(ScreensaverArgs, HandleIsZeroWhenTheLineEndsBeforeIt) {
    expectParsed("/p", SaverMode::Preview, 0);
    expectParsed("/p ", SaverMode::Preview, 0);
    expectParsed("/s", SaverMode::Fullscreen, 0);
}

TEST(ScreensaverArgs, LastSwitchDecidesModeAndHandle) {
    // The line ends right after the last switch letter, so the handle is read again as 0.
    expectParsed("/p 1234 /s", SaverMode::Fullscreen, 0);
    expectParsed("/s /p 77", SaverMode::Preview, 77);
}

TEST(ScreensaverArgs, UnknownSwitchAfterARecognisedOneReReadsTheHandle) {
    expectParsed("/p 12 /x 34", SaverMode::Preview, 34);
    expectParsed("/p 12 /x", SaverMode::Preview, 0);
}

TEST(ScreensaverArgs, HandleIsReadLikeAtoiFromThreeCharactersAfterTheSlash) {
    expectParsed("/p   42", SaverMode::Preview, 42);
    expectParsed("/p -17", SaverMode::Preview, -17);
    expectParsed("/p +17", SaverMode::Preview, 17);
    expectParsed("/p 12ab", SaverMode::Preview, 12);
    expectParsed("/p abc", SaverMode::Preview, 0);
    // The separator may be any character, and the digit right after the letter is skipped.
    expectParsed("/p1234", SaverMode::Preview, 234);
    expectParsed("/c:98", SaverMode::Configure, 98);
}

TEST(ScreensaverArgs, HugeHandlesSaturateInsteadOfOverflowing) {
    expectParsed("/p 99999999999999999999999", SaverMode::Preview, INT_MAX);
    expectParsed("/p -99999999999999999999999", SaverMode::Preview, INT_MIN);
    expectParsed("/p 2147483647", SaverMode::Preview, INT_MAX);
    expectParsed("/p -2147483648", SaverMode::Preview, INT_MIN);
}

} // namespace
