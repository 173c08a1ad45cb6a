#include "app/hack_args.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr platform::NativeWindowHandle kRoot = 0x2a1;

platform::NativeWindowHandle fakeRoot() {
    return kRoot;
}

HackArgs parse(std::vector<std::string> args, const char* screensaverWindow = nullptr) {
    return parseHackArgs(args, screensaverWindow, fakeRoot);
}

void expectRun(const HackArgs& hack, SaverMode mode, platform::NativeWindowHandle parent) {
    EXPECT_EQ(hack.request, HackRequest::Run);
    EXPECT_EQ(hack.saver.mode, mode);
    EXPECT_EQ(hack.saver.parent, parent);
    EXPECT_TRUE(hack.saver.hackConventions);
}

TEST(HackArgs, WindowsStyleLinesAreLeftToTheWindowsParse) {
    for (const std::vector<std::string>& line : std::vector<std::vector<std::string>>{
             {}, {"/s"}, {"/p", "1234"}, {"/c:5"}, {"-s"}, {"-fps", "/p", "5"}, {"-roots"}}) {
        EXPECT_EQ(parse(line).request, HackRequest::NotAHackLine) << line.size() << " arguments";
    }
}

TEST(HackArgs, RootTakesTheDaemonsWindowOrElseTheRootWindow) {
    expectRun(parse({"--root"}, "4194311"), SaverMode::Preview, 4194311);
    expectRun(parse({"-root"}, "0x40000b"), SaverMode::Preview, 0x40000b);
    expectRun(parse({"--root"}), SaverMode::Preview, kRoot);
    // Empty is unset, as the daemon's own display modes read it.
    expectRun(parse({"--root"}, ""), SaverMode::Preview, kRoot);
    // A variable that names no window is not the root window.
    expectRun(parse({"--root"}, "window"), SaverMode::Preview, 0);
}

TEST(HackArgs, TheLastWindowSwitchDecidesAndOtherOptionsAreIgnored) {
    expectRun(parse({"-window-id", "0X1F"}), SaverMode::Preview, 0x1f);
    expectRun(parse({"-window"}), SaverMode::Windowed, 0);
    expectRun(parse({"--window", "-fps", "--root"}, "7"), SaverMode::Preview, 7);
    expectRun(parse({"--root", "--window-id", "9", "/s", "--install"}), SaverMode::Preview, 9);
    // The id is the next argument whatever it looks like.
    expectRun(parse({"--window-id", "--window"}), SaverMode::Preview, 0);
    expectRun(parse({"--window-id"}), SaverMode::Preview, 0);
}

TEST(HackArgs, FpsShowsTheFrameRateOfAnyWindowSwitch) {
    EXPECT_TRUE(parse({"--root", "--fps"}).saver.showFrameRate);
    EXPECT_TRUE(parse({"-fps", "-window"}).saver.showFrameRate);
    EXPECT_TRUE(parse({"--window-id", "5", "-fps"}).saver.showFrameRate);
    EXPECT_FALSE(parse({"--root"}).saver.showFrameRate);
    EXPECT_FALSE(parse({"--root", "--fps-", "---fps"}).saver.showFrameRate);
}

TEST(HackArgs, DelayIsThePauseBetweenFramesInMicroseconds) {
    EXPECT_DOUBLE_EQ(parse({"--root", "--delay", "30000"}).saver.frameDelay, 0.03);
    EXPECT_DOUBLE_EQ(parse({"-delay", "2500000", "-window"}).saver.frameDelay, 2.5);
    EXPECT_EQ(parse({"--root"}).saver.frameDelay, 0.0);
    // The value is the next argument whatever it looks like; anything but digits means none.
    for (const char* value : {"0", "-30000", "+5", "0x10", "3e4", "1.5", "", "--root"}) {
        EXPECT_EQ(parse({"--window", "--delay", value}).saver.frameDelay, 0.0) << value;
    }
    EXPECT_EQ(parse({"--window", "--delay"}).saver.frameDelay, 0.0);
    EXPECT_EQ(parse({"--delay", "30000"}).request, HackRequest::NotAHackLine);
}

TEST(HackArgs, HelpAndVersionWinOverEverythingElse) {
    EXPECT_EQ(parse({"--root", "--help"}).request, HackRequest::Help);
    EXPECT_EQ(parse({"-h", "--version"}).request, HackRequest::Help);
    EXPECT_EQ(parse({"--version", "--window"}).request, HackRequest::Version);
}

TEST(WindowId, OnlyPlainDecimalOrHexUpTo32BitsIsAnId) {
    EXPECT_EQ(parseWindowId("4294967295"), 4294967295);
    EXPECT_EQ(parseWindowId("0xffffffff"), 0xffffffff);
    for (const char* text : {"", "0x", "-5", "+5", " 5", "5 ", "12ab", "0x1g", "4294967296",
                             "0x100000000", "99999999999999999999999", "0x-1"}) {
        EXPECT_EQ(parseWindowId(text), 0) << "\"" << text << "\"";
    }
    EXPECT_EQ(parseWindowId(nullptr), 0);
}

} // namespace
