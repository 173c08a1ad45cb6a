#include "platform/native_window.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

class NativeWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = CreateWindowExA(0, "STATIC", "preview", WS_POPUP, 10, 10, 152, 112, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
    }
    platform::NativeWindowHandle handle() const {
        return reinterpret_cast<platform::NativeWindowHandle>(window);
    }

    HWND window = nullptr;
};

TEST_F(NativeWindowTest, ClientAreaOfAnotherProgramsWindowOnTheScreen) {
    platform::ClientArea area;
    ASSERT_TRUE(platform::readClientArea(handle(), &area));
    EXPECT_EQ(area.x, 10);
    EXPECT_EQ(area.y, 10);
    EXPECT_EQ(area.width, 152);
    EXPECT_EQ(area.height, 112);
}

TEST_F(NativeWindowTest, EnabledUntilDisabled) {
    EXPECT_TRUE(platform::isWindowEnabled(handle()));
    EnableWindow(window, FALSE);
    EXPECT_FALSE(platform::isWindowEnabled(handle()));
}

TEST_F(NativeWindowTest, VanishedOrBogusWindowsReadAsGone) {
    DestroyWindow(window);
    platform::ClientArea area;
    EXPECT_FALSE(platform::readClientArea(handle(), &area));
    EXPECT_FALSE(platform::isWindowEnabled(handle()));
    EXPECT_FALSE(platform::readClientArea(0, &area));
}

} // namespace
