// Xlib defines None as a macro, which GoogleTest uses as a name: GoogleTest goes first.
#include <gtest/gtest.h>

#include "windowing/window_hints.h"
#include "tests/windowing/adopted_fire.h"

#define GLFW_EXPOSE_NATIVE_X11
#include "windowing/glfw_adopt.h"

#include <GL/glx.h>
#include <GLFW/glfw3native.h>

#include <chrono>
#include <functional>
#include <thread>
#include <vector>

namespace {

std::vector<int> errors;
std::vector<int> widths;

// The owner's windows live on a connection of their own, as another program's would, and select
// button presses, which only one client may select: adoption must not try to.
class AdoptWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        errors.clear();
        widths.clear();
        glfwSetErrorCallback([](int code, const char*) { errors.push_back(code); });
        ASSERT_EQ(glfwInit(), GLFW_TRUE);
        setSaverWindowHints();
        owner = XOpenDisplay(nullptr);
        ASSERT_NE(owner, nullptr);
    }

    void TearDown() override {
        glfwTerminate();
        XCloseDisplay(owner);
    }

    // A window with the visual of the first window configuration that the attributes choose, or
    // with the default visual.
    Window ownerWindow(std::vector<int> configAttributes = {}) {
        XSetWindowAttributes attributes{};
        attributes.event_mask = ButtonPressMask | ExposureMask;
        unsigned long mask = CWEventMask | CWBorderPixel;
        Visual* visual = CopyFromParent;
        int depth = CopyFromParent;
        if (!configAttributes.empty()) {
            configAttributes.insert(configAttributes.end(), {GLX_DRAWABLE_TYPE, GLX_WINDOW_BIT, 0});
            int count = 0;
            GLXFBConfig* configs =
                glXChooseFBConfig(owner, DefaultScreen(owner), configAttributes.data(), &count);
            EXPECT_GT(count, 0) << "this display has no such configuration to try";
            XVisualInfo* info = count > 0 ? glXGetVisualFromFBConfig(owner, configs[0]) : nullptr;
            if (info != nullptr) {
                visual = info->visual;
                depth = info->depth;
                attributes.colormap =
                    XCreateColormap(owner, DefaultRootWindow(owner), visual, AllocNone);
                mask |= CWColormap;
                XFree(info);
            }
            XFree(configs);
        }
        Window window = XCreateWindow(owner, DefaultRootWindow(owner), 0, 0, 152, 112, 0, depth,
                                      InputOutput, visual, mask, &attributes);
        XMapWindow(owner, window);
        XSync(owner, False);
        return window;
    }

    // True while the window exists and no client but its owner selects events on it.
    bool handedBack(Window window) {
        XWindowAttributes attributes{};
        return XGetWindowAttributes(owner, window, &attributes) != 0 &&
               attributes.all_event_masks == attributes.your_event_mask;
    }

    std::vector<Window> childrenOf(Window window) {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        XQueryTree(owner, window, &root, &parent, &children, &count);
        std::vector<Window> result(children, children + count);
        XFree(children);
        return result;
    }

    // The owner resizes the window; the library hears of it at its next event poll.
    void resizeAndPoll(GLFWwindow* window, Window native, int width, int height) {
        glfwSetWindowSizeCallback(window, [](GLFWwindow*, int w, int) { widths.push_back(w); });
        XResizeWindow(owner, native, width, height);
        XSync(owner, False);
        pollUntil([] { return !widths.empty(); });
        EXPECT_EQ(widths, std::vector<int>{width});
    }

    static void pollUntil(const std::function<bool()>& done) {
        for (int round = 0; round < 200 && !done(); ++round) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            glfwPollEvents();
        }
    }

    Display* owner = nullptr;
};

// A double-buffered visual without a depth buffer suits the saver's hints, though they would not
// choose it first: the context is made on the window itself, and release hands it back.
TEST_F(AdoptWindowTest, DrawsOnAWindowWhoseVisualSuitsAndHandsItBackAlive) {
    Window native = ownerWindow({GLX_DOUBLEBUFFER, True, GLX_DEPTH_SIZE, 0});
    GLFWwindow* window = glfwAdoptNativeWindow(native, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(glfwGetX11Window(window), native);
    EXPECT_TRUE(childrenOf(native).empty());
    EXPECT_FALSE(handedBack(native)) << "the library follows the window's size";
    expectFireDrawnInto(window);
    glfwDestroyWindow(window);
    EXPECT_TRUE(handedBack(native));
    EXPECT_TRUE(errors.empty());
}

// Single-buffered visuals are ruled out by the hints: a child of the library's own covers the
// window, follows its size and goes at release. (Terminate closes the library's connection, which
// takes the child and the selection with it in any case.)
TEST_F(AdoptWindowTest, DrawsThroughACoveringChildWhereTheVisualHasNoConfiguration) {
    Window native = ownerWindow({GLX_DOUBLEBUFFER, False});
    GLFWwindow* window = glfwAdoptNativeWindow(native, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(childrenOf(native), std::vector<Window>{glfwGetX11Window(window)});
    expectFireDrawnInto(window);
    resizeAndPoll(window, native, 200, 150);
    // The size is read from the library's window, which is the child.
    int width = 0, height = 0;
    glfwGetWindowSize(window, &width, &height);
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 150);
    glfwDestroyWindow(window);
    EXPECT_TRUE(childrenOf(native).empty());
    EXPECT_TRUE(handedBack(native));
}

TEST_F(AdoptWindowTest, HearsOfTheWindowsEndAsACloseRequestAndReleasesItQuietly) {
    Window native = ownerWindow();
    GLFWwindow* window = glfwAdoptNativeWindow(native, nullptr);
    ASSERT_NE(window, nullptr);
    resizeAndPoll(window, native, 300, 90);
    XDestroyWindow(owner, native);
    XSync(owner, False);
    pollUntil([window] { return glfwWindowShouldClose(window) == GLFW_TRUE; });
    EXPECT_EQ(glfwWindowShouldClose(window), GLFW_TRUE);
    // The release calls on the dead window must not reach Xlib's fatal default handler.
    glfwDestroyWindow(window);
    EXPECT_TRUE(errors.empty());
}

TEST_F(AdoptWindowTest, FailuresLeaveTheWindowAsItWas) {
    Window native = ownerWindow();
    glfwWindowHint(GLFW_STEREO, GLFW_TRUE);
    EXPECT_EQ(glfwAdoptNativeWindow(native, nullptr), nullptr);
    EXPECT_FALSE(errors.empty());
    EXPECT_TRUE(handedBack(native));
    EXPECT_TRUE(childrenOf(native).empty());

    errors.clear();
    XDestroyWindow(owner, native);
    XSync(owner, False);
    EXPECT_EQ(glfwAdoptNativeWindow(native, nullptr), nullptr);
    EXPECT_EQ(errors, std::vector<int>{GLFW_PLATFORM_ERROR});
}

} // namespace
