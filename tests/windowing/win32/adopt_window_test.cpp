#include "windowing/window_hints.h"
#include "tests/windowing/adopted_fire.h"

#define GLFW_EXPOSE_NATIVE_WIN32
#include "windowing/glfw_adopt.h"

#include <GLFW/glfw3native.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> errors;

LRESULT CALLBACK ownerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK otherOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

// Native windows made by the test play the owner's part: they have a procedure of their own that
// must come back at release.
class AdoptWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        errors.clear();
        glfwSetErrorCallback([](int code, const char*) { errors.push_back(code); });
        ASSERT_EQ(glfwInit(), GLFW_TRUE);
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ownerProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"AdoptTestOwner";
        RegisterClassW(&windowClass);
    }

    void TearDown() override {
        glfwTerminate();
        for (HWND window : owned) {
            DestroyWindow(window);
        }
    }

    HWND ownerWindow(DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, DWORD exStyle = 0,
                     int width = 160, int height = 120) {
        HWND window = CreateWindowExW(exStyle, L"AdoptTestOwner", L"owner", style, 10, 10, width,
                                      height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        owned.push_back(window);
        return window;
    }

    static LONG_PTR procedureOf(HWND window) { return GetWindowLongPtrW(window, GWLP_WNDPROC); }

    static bool untouched(HWND window) {
        return IsWindow(window) && procedureOf(window) == reinterpret_cast<LONG_PTR>(ownerProc) &&
               GetPropW(window, L"GLFW") == nullptr;
    }

    static GLFWwindow* adoptWithoutContext(HWND window) {
        glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
        return glfwAdoptNativeWindow(window, nullptr);
    }

    std::vector<HWND> owned;
};

TEST_F(AdoptWindowTest, ReleaseHandsTheWindowBackWhileCreatedWindowsAreStillDestroyed) {
    HWND native = ownerWindow();
    GLFWwindow* adopted = glfwAdoptNativeWindow(native, nullptr);
    ASSERT_NE(adopted, nullptr);
    EXPECT_EQ(glfwGetWin32Window(adopted), native);
    EXPECT_NE(procedureOf(native), reinterpret_cast<LONG_PTR>(ownerProc));
    EXPECT_NE(GetPropW(native, L"GLFW"), nullptr);
    glfwDestroyWindow(adopted);
    EXPECT_TRUE(untouched(native));

    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* created = glfwCreateWindow(64, 64, "created", nullptr, nullptr);
    ASSERT_NE(created, nullptr);
    HWND createdNative = glfwGetWin32Window(created);
    glfwDestroyWindow(created);
    EXPECT_FALSE(IsWindow(createdNative));
}

TEST_F(AdoptWindowTest, TerminateRestoresTheProcedureOfAWindowStillAdopted) {
    HWND native = ownerWindow();
    ASSERT_NE(adoptWithoutContext(native), nullptr);
    glfwTerminate();
    EXPECT_TRUE(untouched(native));
}

TEST_F(AdoptWindowTest, StyleBitsGiveDecoratedResizableAndFloating) {
    struct Case {
        DWORD style, exStyle;
        int decorated, resizable, floating;
    };
    for (const Case& c :
         {Case{WS_POPUP | WS_BORDER, 0, 1, 0, 0}, Case{WS_POPUP, 0, 0, 0, 0},
          Case{WS_POPUP | WS_THICKFRAME, 0, 1, 1, 0}, Case{WS_POPUP, WS_EX_TOPMOST, 0, 0, 1}}) {
        GLFWwindow* window = adoptWithoutContext(ownerWindow(c.style, c.exStyle));
        ASSERT_NE(window, nullptr);
        SCOPED_TRACE(testing::Message() << std::hex << "style " << c.style << " ex " << c.exStyle);
        EXPECT_EQ(glfwGetWindowAttrib(window, GLFW_DECORATED), c.decorated);
        EXPECT_EQ(glfwGetWindowAttrib(window, GLFW_RESIZABLE), c.resizable);
        EXPECT_EQ(glfwGetWindowAttrib(window, GLFW_FLOATING), c.floating);
        glfwDestroyWindow(window);
    }
}

// The state is taken at adoption, so that leaving it later is reported as a change.
TEST_F(AdoptWindowTest, MaximizedAndMinimizedWindowsAreTakenAsSuch) {
    static std::vector<int> maximized;
    static std::vector<int> iconified;
    maximized.clear();
    iconified.clear();
    HWND zoomed = ownerWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_MAXIMIZE);
    HWND minimized = ownerWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_MINIMIZE);
    GLFWwindow* zoomedWindow = adoptWithoutContext(zoomed);
    GLFWwindow* minimizedWindow = adoptWithoutContext(minimized);
    ASSERT_NE(zoomedWindow, nullptr);
    ASSERT_NE(minimizedWindow, nullptr);
    EXPECT_EQ(glfwGetWindowAttrib(zoomedWindow, GLFW_MAXIMIZED), GLFW_TRUE);
    EXPECT_EQ(glfwGetWindowAttrib(minimizedWindow, GLFW_ICONIFIED), GLFW_TRUE);
    glfwSetWindowMaximizeCallback(zoomedWindow,
                                  [](GLFWwindow*, int state) { maximized.push_back(state); });
    glfwSetWindowIconifyCallback(minimizedWindow,
                                 [](GLFWwindow*, int state) { iconified.push_back(state); });
    ShowWindow(zoomed, SW_RESTORE);
    ShowWindow(minimized, SW_RESTORE);
    glfwPollEvents();
    EXPECT_EQ(maximized, std::vector<int>{GLFW_FALSE});
    EXPECT_EQ(iconified, std::vector<int>{GLFW_FALSE});
}

TEST_F(AdoptWindowTest, NoApiGivesAWindowWithoutAContext) {
    GLFWwindow* window = adoptWithoutContext(ownerWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(glfwGetWindowAttrib(window, GLFW_CLIENT_API), GLFW_NO_API);
    glfwMakeContextCurrent(window);
    EXPECT_EQ(errors, std::vector<int>{GLFW_NO_WINDOW_CONTEXT});
}

TEST_F(AdoptWindowTest, AShareWithoutAContextFailsBeforeTheWindowIsTouched) {
    glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* share = glfwCreateWindow(64, 64, "share", nullptr, nullptr);
    ASSERT_NE(share, nullptr);
    glfwDefaultWindowHints();
    HWND native = ownerWindow();
    EXPECT_EQ(glfwAdoptNativeWindow(native, share), nullptr);
    EXPECT_EQ(errors, std::vector<int>{GLFW_NO_WINDOW_CONTEXT});
    EXPECT_TRUE(untouched(native));
}

// A window whose device context already has a pixel format other than the one the hints choose
// cannot take the context, as with a window of another process.
TEST_F(AdoptWindowTest, AFailedContextLeavesTheWindowAndTheWindowListAsTheyWere) {
    HWND native = ownerWindow();
    HDC dc = GetDC(native);
    PIXELFORMATDESCRIPTOR single{};
    single.nSize = sizeof single;
    single.nVersion = 1;
    single.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    single.cColorBits = 24;
    int format = ChoosePixelFormat(dc, &single);
    ASSERT_TRUE(SetPixelFormat(dc, format, &single));

    EXPECT_EQ(glfwAdoptNativeWindow(native, nullptr), nullptr);
    EXPECT_FALSE(errors.empty());
    EXPECT_TRUE(untouched(native));
    EXPECT_EQ(GetPixelFormat(dc), format);

    // A record left in the list would put its saved procedure back at terminate.
    SetWindowLongPtrW(native, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(otherOwnerProc));
    glfwTerminate();
    EXPECT_EQ(procedureOf(native), reinterpret_cast<LONG_PTR>(otherOwnerProc));
    SetWindowLongPtrW(native, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ownerProc));
    ReleaseDC(native, dc);
}

TEST_F(AdoptWindowTest, StartsWithNormalCursorNoCloseRequestAndNoSizeLimits) {
    static std::vector<int> widths;
    widths.clear();
    HWND native = ownerWindow();
    GLFWwindow* window = adoptWithoutContext(native);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(glfwGetInputMode(window, GLFW_CURSOR), GLFW_CURSOR_NORMAL);
    EXPECT_EQ(glfwWindowShouldClose(window), GLFW_FALSE);
    glfwSetWindowSizeCallback(window, [](GLFWwindow*, int width, int) { widths.push_back(width); });

    // Limits of zero instead of "don't care" would clamp the owner's resizing.
    for (int clientWidth : {300, 180}) {
        RECT outer{0, 0, clientWidth, 90};
        AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
        MoveWindow(native, 10, 10, outer.right - outer.left, outer.bottom - outer.top, TRUE);
        glfwPollEvents();
        int width = 0, height = 0;
        glfwGetWindowSize(window, &width, &height);
        EXPECT_EQ(width, clientWidth);
        EXPECT_EQ(height, 90);
        glfwGetFramebufferSize(window, &width, &height);
        EXPECT_EQ(width, clientWidth);
        EXPECT_EQ(height, 90);
    }
    ASSERT_FALSE(widths.empty());
    EXPECT_EQ(widths.back(), 180);

    SendMessageW(native, WM_CLOSE, 0, 0);
    EXPECT_EQ(glfwWindowShouldClose(window), GLFW_TRUE);
    EXPECT_TRUE(IsWindow(native)) << "a close request only sets the flag";
}

// The saver's own scene drawn through the adopted context, read back from its back buffer.
TEST_F(AdoptWindowTest, TheContextDrawsTheFireIntoTheAdoptedWindow) {
    setSaverWindowHints();
    RECT outer{0, 0, 152, 112};
    AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND native = ownerWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, outer.right - outer.left,
                              outer.bottom - outer.top);
    GLFWwindow* window = glfwAdoptNativeWindow(native, nullptr);
    ASSERT_NE(window, nullptr);
    expectFireDrawnInto(window);
}

} // namespace
