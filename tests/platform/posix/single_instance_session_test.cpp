#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A saver on one display must not keep the same user's saver on another display from starting;
// the screens of one display are one session.
TEST(SingleInstance, EachDisplayHasItsOwnHolderButEachScreenDoesNot) {
    const char* name = "emberveil-single-instance-test-display";
    unsetenv("WAYLAND_DISPLAY");
    setenv("DISPLAY", ":71", 1);
    EXPECT_TRUE(platform::claimInstanceName(name));
    setenv("DISPLAY", ":72", 1);
    EXPECT_TRUE(platform::claimInstanceName(name));
    setenv("DISPLAY", ":71.1", 1);
    EXPECT_FALSE(platform::claimInstanceName(name));
}

// A Wayland session is one session whichever X server it runs, and each compositor its own.
TEST(SingleInstance, EachWaylandDisplayHasItsOwnHolder) {
    const char* name = "emberveil-single-instance-test-wayland";
    setenv("DISPLAY", ":73", 1);
    setenv("WAYLAND_DISPLAY", "wayland-71", 1);
    EXPECT_TRUE(platform::claimInstanceName(name));
    setenv("WAYLAND_DISPLAY", "wayland-72", 1);
    EXPECT_TRUE(platform::claimInstanceName(name));
    setenv("DISPLAY", ":74", 1);
    EXPECT_FALSE(platform::claimInstanceName(name));
    unsetenv("WAYLAND_DISPLAY");
    EXPECT_TRUE(platform::claimInstanceName(name));
}

} // namespace
