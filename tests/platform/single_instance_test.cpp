#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A name of this test's own, so a saver running on the machine cannot interfere.
std::string testName(const char* suffix) {
    return std::string("emberveil-single-instance-test-") + suffix;
}

TEST(SingleInstance, SecondClaimOfTheSameNameIsRefused) {
    std::string name = testName("a");
    EXPECT_TRUE(platform::claimInstanceName(name.c_str()));
    EXPECT_FALSE(platform::claimInstanceName(name.c_str()));
    EXPECT_FALSE(platform::claimInstanceName(name.c_str()));
}

TEST(SingleInstance, DifferentNamesDoNotBlockEachOther) {
    EXPECT_TRUE(platform::claimInstanceName(testName("b").c_str()));
    EXPECT_TRUE(platform::claimInstanceName(testName("c").c_str()));
}

} // namespace
