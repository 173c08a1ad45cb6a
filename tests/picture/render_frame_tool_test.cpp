#include "tests/picture/png_reader.h"
#include "tools/render-frame/frame_capture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

struct RunResult {
    int exitCode = -1;
    std::string errors;
};

// Runs the real tool with the given arguments, capturing its standard error.
RunResult runTool(const std::string& arguments) {
    std::string errorsPath = testing::TempDir() + "render_frame_stderr.txt";
    std::string command =
        std::string("\"") + RENDER_FRAME_PATH + "\" " + arguments + " 2>\"" + errorsPath + "\"";
    int status = std::system(command.c_str());
    RunResult result;
    if (status != -1 && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    std::ifstream errors(errorsPath);
    std::stringstream text;
    text << errors.rdbuf();
    result.errors = text.str();
    return result;
}

TEST(RenderFrameTool, WritesTheFrameTheSceneDrawsAsRgbTopRowFirst) {
    std::string out = testing::TempDir() + "render_frame_tool_test.png";
    std::remove(out.c_str());
    RunResult run = runTool("--size 120x90 --time 8 --out \"" + out + "\"");
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    RgbImage written = readRgbPng(out);
    ASSERT_EQ(written.width, 120);
    ASSERT_EQ(written.height, 90);

    FrameCapture capture;
    ASSERT_TRUE(capture.open(120, 90));
    RgbImage expected = capture.capture(120, 90, 8.0f);
    EXPECT_EQ(written.pixels, expected.pixels);
    // The flames' base, saturated red, is in the last row of the file; the first row has only
    // smoke.
    EXPECT_EQ(written.pixels[(89 * 120 + 60) * 3], 255);
    EXPECT_LT(written.pixels[60 * 3], 200);
}

TEST(RenderFrameTool, RefusesBadArgumentsWithUsage) {
    std::string out = testing::TempDir() + "render_frame_refused.png";
    const std::string badArguments[] = {
        "",
        "--size 120x90 --time 8",
        "--size 120x --time 8 --out \"" + out + "\"",
        "--size 0x90 --time 8 --out \"" + out + "\"",
        "--size 120x90 --time soon --out \"" + out + "\"",
        "--size 120x90 --time 8 --out \"" + out + "\" --extra",
        "--size 120x90 --size 60x40 --time 8 --out \"" + out + "\"",
    };
    for (const std::string& arguments : badArguments) {
        SCOPED_TRACE(arguments);
        RunResult run = runTool(arguments);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_NE(run.errors.find("usage: render-frame --size WxH --time T --out FILE.png"),
                  std::string::npos);
    }
    std::ifstream notWritten(out);
    EXPECT_FALSE(notWritten.good());
}

} // namespace
