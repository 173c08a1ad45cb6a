#include "app/main_loop.h"
#include "app/process_state.h"
#include "app/saver_app.h"
#include "tests/support/gl_test_context.h"
#include "tests/support/own_windows.h"
#include "tests/support/swap_interval.h"
#include "windowing/gl_window.h"

#include <GLFW/glfw3.h>
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
    const GLFWvidmode* mode = glfwGetVideoMode(glfwGetPrimaryMonitor());
    ASSERT_NE(mode, nullptr);
    ASSERT_FALSE(currentApp->screens->empty());
    PixelSize size = currentApp->screens->pacer().drawingSize();
    EXPECT_EQ(size.width, mode->width);
    EXPECT_EQ(size.height, mode->height);
    int width = 0, height = 0;
    glfwGetWindowSize(glfwGetCurrentContext(), &width, &height);
    EXPECT_EQ(width, mode->width);
    EXPECT_EQ(height, mode->height);
    int interval = currentSwapInterval();
    EXPECT_TRUE(interval == 1 || interval == -1) << interval;
}

// Two monitors as a desktop that covers each with a full-screen window on the one monitor the
// test display has: real windows that draw with one scene, whose swap intervals are read back.
class TwoMonitorDesktop : public windowing::Desktop {
  public:
    std::vector<windowing::Monitor> monitors() override { return shown; }
    std::unique_ptr<windowing::Screen> openOn(const windowing::Monitor&, PixelSize size,
                                              const windowing::WindowConduct& conduct) override {
        windowing::Monitor real = windowing::allMonitors().front();
        std::unique_ptr<windowing::GlWindow> opened = windowing::GlWindow::openFullScreen(
            real, size, conduct, made.empty() ? nullptr : made.front());
        made.push_back(opened.get());
        return opened;
    }
    void pollEvents() override { currentApp->desktop->pollEvents(); }
    void waitEvents(double seconds) override { currentApp->desktop->waitEvents(seconds); }
    double time() const override { return currentApp->desktop->time(); }

    // The second is the real one, which its screen is placed on again when the first goes.
    std::vector<windowing::Monitor> shown{
        {1, 0, 0, 320, 240, 60}, {windowing::allMonitors().front().id, 320, 0, 320, 240, 60}};
    std::vector<windowing::GlWindow*> made;
};

int swapIntervalOf(windowing::Screen* screen) {
    screen->makeCurrent();
    return currentSwapInterval();
}

// The second window draws with the first one's context where the platform allows it: the first
// outlives its screen, hidden, until the second is gone too.
TEST_F(SaverAppTest, OnlyThePacersSwapsWaitWhicheverScreenPacesAndNoWindowOutlivesTheScreens) {
    // Mesa's software GLX keeps no interval; WGL under Wine does.
    bool intervalsKept = currentSwapInterval() >= 0;
    int windowsBefore = ownWindowCount();
    TwoMonitorDesktop desktop;
    {
        Screens screens(&desktop, desktop.shown, {320, 240}, {}, true);
        ASSERT_EQ(desktop.made.size(), 2u);
        screens.pace();
        if (intervalsKept) {
            EXPECT_EQ(swapIntervalOf(desktop.made[0]), 1);
            EXPECT_EQ(swapIntervalOf(desktop.made[1]), 0);
        }
        desktop.shown.erase(desktop.shown.begin());
        ASSERT_TRUE(screens.followDesktop(100.0));
        EXPECT_EQ(&screens.pacer(), desktop.made[1]);
        if (intervalsKept) {
            EXPECT_EQ(swapIntervalOf(desktop.made[1]), 1);
        }
    }
    EXPECT_EQ(ownWindowCount(), windowsBefore);
    currentApp->screens->pacer().makeCurrent();
}

TEST_F(SaverAppTest, CloseRequestEndsTheLoopAfterOnePassWithTheLibrarysTime) {
    glfwSetWindowShouldClose(glfwGetCurrentContext(), GLFW_TRUE);
    double before = currentApp->desktop->time();
    // A loop that misses the request would never return: end the process with a reason instead.
    std::promise<void> returned;
    std::thread watchdog([done = returned.get_future()] {
        if (done.wait_for(std::chrono::seconds(30)) == std::future_status::timeout) {
            std::fputs("runMainLoop still running 30 s after a close request\n", stderr);
            std::_Exit(1);
        }
    });
    runMainLoop(*currentApp);
    returned.set_value();
    watchdog.join();
    // The shaders see the time since the library started, not the time since the first frame.
    EXPECT_GE(GlTestContext::currentUniform("iTime"), static_cast<float>(before));
    EXPECT_GT(GlTestContext::currentUniform("iTime"), 0.0f);
    PixelSize size = currentApp->screens->pacer().drawingSize();
    EXPECT_EQ(GlTestContext::currentUniform("viewportWidth"), static_cast<float>(size.width));
    EXPECT_EQ(GlTestContext::currentUniform("viewportHeight"), static_cast<float>(size.height));
}

} // namespace
