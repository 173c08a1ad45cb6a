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

TEST_F(NativeWindowTest, ClientSizeOfAnotherProgramsWindow) {
    platform::ClientSize size;
    ASSERT_TRUE(platform::readClientSize(handle(), &size));
    EXPECT_EQ(size.width, 152);
    EXPECT_EQ(size.height, 112);
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
    platform::ClientSize size;
    EXPECT_FALSE(platform::readClientSize(handle(), &size));
    EXPECT_FALSE(platform::isWindowEnabled(handle()));
    EXPECT_FALSE(platform::readClientSize(0, &size));
    EXPECT_FALSE(platform::isWindowEnabled(0x7fffffff));
}

} // namespace
