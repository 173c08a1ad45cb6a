// Xlib defines None as a macro, which GoogleTest uses as a name: GoogleTest goes first.
#include <gtest/gtest.h>

#include "app/window_hints.h"
#include "tests/support/adopted_fire.h"

#define GLFW_EXPOSE_NATIVE_X11
#include "windowing/glfw_adopt.h"

#include <GL/glx.h>
#include <GLFW/glfw3native.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

namespace {

std::vector<int> errors;
std::vector<int> widths;

// The two kinds of visual that adoption tells apart. With doubleBuffered, one that has a
// double-buffered window configuration without a depth buffer, which the saver's hints accept but
// would not choose first: the context must be made on such a window itself all the same. Without,
// one whose window configurations are all single-buffered, which the hints rule out.
Visual* findVisual(Display* display, bool doubleBuffered, int* depth) {
    int count = 0;
    GLXFBConfig* configs = glXGetFBConfigs(display, DefaultScreen(display), &count);
    std::vector<int> suitable;
    std::vector<int> withDoubleBuffering;
    std::vector<int> withSingleBuffering;
    for (int i = 0; i < count; ++i) {
        int visualId = 0, drawable = 0, doubleBuffer = 0, depthBits = 0;
        glXGetFBConfigAttrib(display, configs[i], GLX_VISUAL_ID, &visualId);
        glXGetFBConfigAttrib(display, configs[i], GLX_DRAWABLE_TYPE, &drawable);
        glXGetFBConfigAttrib(display, configs[i], GLX_DOUBLEBUFFER, &doubleBuffer);
        glXGetFBConfigAttrib(display, configs[i], GLX_DEPTH_SIZE, &depthBits);
        if (visualId == 0 || (drawable & GLX_WINDOW_BIT) == 0) {
            continue;
        }
        (doubleBuffer ? withDoubleBuffering : withSingleBuffering).push_back(visualId);
        if (doubleBuffer && depthBits == 0) {
            suitable.push_back(visualId);
        }
    }
    XFree(configs);
    auto has = [](const std::vector<int>& ids, int id) {
        return std::find(ids.begin(), ids.end(), id) != ids.end();
    };
    for (int visualId : doubleBuffered ? suitable : withSingleBuffering) {
        if (!doubleBuffered && has(withDoubleBuffering, visualId)) {
            continue;
        }
        XVisualInfo wanted{};
        wanted.visualid = static_cast<VisualID>(visualId);
        int found = 0;
        XVisualInfo* info = XGetVisualInfo(display, VisualIDMask, &wanted, &found);
        if (info != nullptr) {
            Visual* visual = info->visual;
            *depth = info->depth;
            XFree(info);
            return visual;
        }
    }
    return nullptr;
}

// The owner's windows live on a connection of their own, as another program's would. Its pane
// selects button presses, which only one client may select: adoption must not try to.
class AdoptWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        errors.clear();
        widths.clear();
        glfwSetErrorCallback([](int code, const char*) { errors.push_back(code); });
        ASSERT_EQ(glfwInit(), GLFW_TRUE);
        owner = XOpenDisplay(nullptr);
        ASSERT_NE(owner, nullptr);
    }

    void TearDown() override {
        glfwTerminate();
        XCloseDisplay(owner);
    }

    Window ownerWindow(Visual* visual = nullptr, int depth = CopyFromParent) {
        XSetWindowAttributes attributes{};
        attributes.event_mask = ButtonPressMask | ExposureMask;
        unsigned long mask = CWEventMask | CWBorderPixel;
        if (visual != nullptr) {
            attributes.colormap =
                XCreateColormap(owner, DefaultRootWindow(owner), visual, AllocNone);
            mask |= CWColormap;
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

    // Lends a window of one of the two kinds of visual that findVisual tells apart and adopts it
    // with the saver's hints.
    GLFWwindow* adoptWindowWithVisual(bool doubleBuffered, Window* native) {
        setSaverWindowHints();
        int depth = 0;
        Visual* visual = findVisual(owner, doubleBuffered, &depth);
        if (visual == nullptr) {
            ADD_FAILURE() << "this display has no such visual to try";
            return nullptr;
        }
        *native = ownerWindow(visual, depth);
        return glfwAdoptNativeWindow(*native, nullptr);
    }

    std::vector<Window> childrenOf(Window window) {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        XQueryTree(owner, window, &root, &parent, &children, &count);
        std::vector<Window> result(children, children + count);
        XFree(children);
        return result;
    }

    static void pollUntil(const std::function<bool()>& done) {
        for (int round = 0; round < 200 && !done(); ++round) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            glfwPollEvents();
        }
    }

    Display* owner = nullptr;
};

TEST_F(AdoptWindowTest, TheContextDrawsOnAWindowOfAnotherConnectionWhoseVisualSuitsIt) {
    Window native = 0;
    GLFWwindow* window = adoptWindowWithVisual(true, &native);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(glfwGetX11Window(window), native);
    EXPECT_TRUE(childrenOf(native).empty());
    expectFireDrawnInto(window);
}

TEST_F(AdoptWindowTest, FollowsTheOwnersResizeAndHearsOfTheWindowsEndAsACloseRequest) {
    Window native = ownerWindow();
    GLFWwindow* window = glfwAdoptNativeWindow(native, nullptr);
    ASSERT_NE(window, nullptr);
    glfwSetWindowSizeCallback(window, [](GLFWwindow*, int width, int) { widths.push_back(width); });
    XResizeWindow(owner, native, 300, 90);
    XSync(owner, False);
    pollUntil([] { return !widths.empty(); });
    EXPECT_EQ(widths, std::vector<int>{300});
    int width = 0, height = 0;
    glfwGetWindowSize(window, &width, &height);
    EXPECT_EQ(width, 300);
    EXPECT_EQ(height, 90);

    XDestroyWindow(owner, native);
    XSync(owner, False);
    pollUntil([window] { return glfwWindowShouldClose(window) == GLFW_TRUE; });
    EXPECT_EQ(glfwWindowShouldClose(window), GLFW_TRUE);
    // The release calls on the dead window must not reach Xlib's fatal default handler.
    glfwDestroyWindow(window);
    EXPECT_TRUE(errors.empty());
}

TEST_F(AdoptWindowTest, ReleaseAndTerminateLeaveTheWindowAliveAndUnselected) {
    Window native = ownerWindow();
    GLFWwindow* window = glfwAdoptNativeWindow(native, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(handedBack(native)) << "the library follows the window's size";
    glfwDestroyWindow(window);
    EXPECT_TRUE(handedBack(native));

    ASSERT_NE(glfwAdoptNativeWindow(native, nullptr), nullptr);
    glfwTerminate();
    EXPECT_TRUE(handedBack(native));
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

TEST_F(AdoptWindowTest, AWindowWhoseVisualHasNoConfigurationIsDrawnThroughACoveringChild) {
    Window native = 0;
    GLFWwindow* window = adoptWindowWithVisual(false, &native);
    ASSERT_NE(window, nullptr);
    Window child = glfwGetX11Window(window);
    EXPECT_EQ(childrenOf(native), std::vector<Window>{child});
    expectFireDrawnInto(window);

    glfwSetWindowSizeCallback(window, [](GLFWwindow*, int width, int) { widths.push_back(width); });
    XResizeWindow(owner, native, 200, 150);
    XSync(owner, False);
    pollUntil([] { return !widths.empty(); });
    // The size is read from the library's window, which is the child.
    int width = 0, height = 0;
    glfwGetWindowSize(window, &width, &height);
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 150);

    glfwDestroyWindow(window);
    EXPECT_TRUE(childrenOf(native).empty()) << "the covering child is the library's own";
    EXPECT_TRUE(handedBack(native));
}

} // namespace
