#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A saver on one display must not keep the same user's saver on another display from starting;
// the screens of one display are one session.
TEST(SingleInstance, EachDisplayHasItsOwnHolderButEachScreenDoesNot) {
    const char* name = "emberveil-single-instance-test-display";
    setenv("DISPLAY", ":71", 1);
    EXPECT_TRUE(platform::claimInstanceName(name));
    setenv("DISPLAY", ":72", 1);
    EXPECT_TRUE(platform::claimInstanceName(name));
    setenv("DISPLAY", ":71.1", 1);
    EXPECT_FALSE(platform::claimInstanceName(name));
}

} // namespace
