#include "app/main_loop.h"
#include "app/process_state.h"
#include "app/saver_app.h"
#include "tests/support/gl_test_context.h"
#include "windowing/library.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <thread>

namespace {

// One saver per process, as in the real program: the window, context and GL state are made once
// for the whole suite.
class SaverAppTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { currentApp = new SaverApp(parseScreensaverArgs("/s")); }
};

TEST_F(SaverAppTest, FullScreenWindowTakesThePrimaryMonitorsMode) {
    ASSERT_NE(currentApp->window, nullptr);
    PixelSize size = currentApp->window->drawingSize();
    EXPECT_GT(size.width, 0);
    EXPECT_EQ(size.width, SaverApp::primaryModeSize(0));
    EXPECT_EQ(size.height, SaverApp::primaryModeSize(1));
}

TEST_F(SaverAppTest, CloseRequestEndsTheLoopAfterOnePassWithTheLibrarysTime) {
    currentApp->window->requestClose();
    double before = windowing::libraryTime();
    // A loop that misses the request would never return: end the process with a reason instead.
    std::promise<void> returned;
    std::thread watchdog([done = returned.get_future()] {
        if (done.wait_for(std::chrono::seconds(30)) == std::future_status::timeout) {
            std::fputs("runMainLoop still running 30 s after a close request\n", stderr);
            std::_Exit(1);
        }
    });
    runMainLoop();
    returned.set_value();
    watchdog.join();
    // The shaders see the time since the library started, not the time since the first frame.
    EXPECT_GE(GlTestContext::currentUniform("iTime"), static_cast<float>(before));
    EXPECT_GT(GlTestContext::currentUniform("iTime"), 0.0f);
    PixelSize size = currentApp->window->drawingSize();
    EXPECT_EQ(GlTestContext::currentUniform("viewportWidth"), static_cast<float>(size.width));
    EXPECT_EQ(GlTestContext::currentUniform("viewportHeight"), static_cast<float>(size.height));
}

} // namespace
