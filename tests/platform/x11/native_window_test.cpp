#include "platform/native_window.h"

// Xlib defines None as a macro, which GoogleTest uses as a name: GoogleTest goes first.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

namespace {

class NativeWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr) << "needs an X display";
        window =
            XCreateSimpleWindow(display, DefaultRootWindow(display), 10, 10, 152, 112, 0, 0, 0);
        XSync(display, False);
    }
    void TearDown() override {
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }
    platform::NativeWindowHandle handle() const {
        return static_cast<platform::NativeWindowHandle>(window);
    }

    Display* display = nullptr;
    Window window = 0;
};

// The daemon's windows may sit inside others: the place is the screen's, not the parent's.
TEST_F(NativeWindowTest, ClientAreaOfAnotherProgramsWindowOnTheScreen) {
    platform::ClientArea area;
    ASSERT_TRUE(platform::readClientArea(handle(), &area));
    EXPECT_EQ(area.width, 152);
    EXPECT_EQ(area.height, 112);
    Window child = XCreateSimpleWindow(display, window, 5, 7, 40, 30, 0, 0, 0);
    XSync(display, False);
    ASSERT_TRUE(platform::readClientArea(static_cast<platform::NativeWindowHandle>(child), &area));
    EXPECT_EQ(area.x, 15);
    EXPECT_EQ(area.y, 17);
    EXPECT_EQ(area.width, 40);
}

TEST_F(NativeWindowTest, EnabledOnlyWhileMapped) {
    EXPECT_FALSE(platform::isWindowEnabled(handle()));
    XMapWindow(display, window);
    XSync(display, False);
    EXPECT_TRUE(platform::isWindowEnabled(handle()));
    XUnmapWindow(display, window);
    XSync(display, False);
    EXPECT_FALSE(platform::isWindowEnabled(handle()));
}

TEST_F(NativeWindowTest, VanishedOrBogusWindowsReadAsGoneWithoutEndingTheProcess) {
    XDestroyWindow(display, window);
    XSync(display, False);
    platform::ClientArea area;
    EXPECT_FALSE(platform::readClientArea(handle(), &area));
    EXPECT_FALSE(platform::isWindowEnabled(handle()));
    EXPECT_FALSE(platform::readClientArea(0, &area));
    EXPECT_FALSE(platform::isWindowEnabled(0x7fffffff));
}

} // namespace
