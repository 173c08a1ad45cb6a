#include <GLFW/glfw3.h>
#include <gtest/gtest.h>
#include <windows.h>

namespace {

// The names GLFW tries, in its order; it keeps the first one that loads.
bool anyInputLibraryLoaded() {
    for (const char* name :
         {"xinput1_4.dll", "xinput1_3.dll", "xinput9_1_0.dll", "xinput1_2.dll", "xinput1_1.dll"}) {
        if (GetModuleHandleA(name) != nullptr) {
            return true;
        }
    }
    return false;
}

// The input library's first use may start a worker thread inside it; unloading the library
// at terminate could pull the code from under that thread.
TEST(WindowingLibraryLifetime, TheInputLibraryOutlivesTerminate) {
    ASSERT_EQ(glfwInit(), GLFW_TRUE);
    ASSERT_TRUE(anyInputLibraryLoaded()) << "init no longer loads an input library";
    glfwTerminate();
    EXPECT_TRUE(anyInputLibraryLoaded());
}

TEST(WindowingLibraryLifetime, InitAndTerminateBackToBackManyTimes) {
    for (int round = 0; round < 25; ++round) {
        ASSERT_EQ(glfwInit(), GLFW_TRUE) << "round " << round;
        glfwTerminate();
    }
}

} // namespace
