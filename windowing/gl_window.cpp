#include "windowing/gl_window.h"

#include "render/gl_state.h"
#include "windowing/context_lending.h"
#include "windowing/keyboard_focus.h"
#include "windowing/library.h"
#include "windowing/monitor_area.h"
#include "windowing/preview_window.h"
#include "windowing/window_hints.h"
#include "windowing/window_icon.h"
#include "windowing/window_shown.h"

// The loader's header comes before the library's, which would otherwise bring in gl.h.
#include <GL/glew.h>

#include <GLFW/glfw3.h>

#include <algorithm>
#include <vector>

namespace windowing {

namespace {

constexpr const char* kTitle = "Emberveil";

// The library's one registry of the windows made here and not yet destroyed: the library is one per
// process, and so is this list. It tells which window still lends its context, which one the next
// full-screen window shares with, and which windows are the saver's when the focus moves.
std::vector<GlWindow*> openWindows;

// Every window starts from the library's defaults with the saver's hints on top, whatever an
// earlier window was made with. A full-screen window never gives way, iconified, when the focus
// goes: to another of the saver's windows it is no loss, and to another program it ends the saver.
void setHints(bool visible, bool fullScreen) {
    glfwDefaultWindowHints();
    setSaverWindowHints();
    if (!visible) {
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    }
    if (fullScreen) {
        glfwWindowHint(GLFW_AUTO_ICONIFY, GLFW_FALSE);
    }
}

GLFWwindow* create(PixelSize size, GLFWmonitor* monitor, bool visible, GLFWwindow* share) {
    setHints(visible, monitor != nullptr);
    // A window that draws beside another goes without depth and stencil buffers, which nothing
    // uses: a software renderer would keep each as a monitor-sized buffer in memory.
    if (share != nullptr) {
        glfwWindowHint(GLFW_DEPTH_BITS, 0);
        glfwWindowHint(GLFW_STENCIL_BITS, 0);
    }
    return glfwCreateWindow(size.width, size.height, kTitle, monitor, share);
}

GlWindow* from(GLFWwindow* window) {
    return static_cast<GlWindow*>(glfwGetWindowUserPointer(window));
}

GLFWmonitor* libraryMonitor(MonitorId id) {
    return reinterpret_cast<GLFWmonitor*>(id);
}

// The desktop is hidden as soon as the window is there, long before the first fire frame, whose
// shader the software renderers take a while to compile.
void showBlackFrame(GLFWwindow* window) {
    glClear(GL_COLOR_BUFFER_BIT);
    glfwSwapBuffers(window);
}

} // namespace

std::unique_ptr<GlWindow> GlWindow::openFullScreen(const Monitor& monitor, PixelSize size,
                                                   const WindowConduct& conduct,
                                                   const GlWindow* share) {
    GLFWmonitor* on = libraryMonitor(monitor.id);
    // A window that draws with another's context lends that context on in turn.
    GLFWwindow* shared = nullptr;
    if (share != nullptr) {
        shared = share->lender != nullptr ? share->lender : share->window;
    }
    std::unique_ptr<GlWindow> opened = bringUp(create(size, on, true, shared), size, conduct);
    if (opened != nullptr) {
        opened->lender = shared;
        opened->fullScreen = true;
        showBlackFrame(opened->window);
    }
    return opened;
}

std::unique_ptr<GlWindow> GlWindow::openOnDesktop(PixelSize size, const WindowConduct& conduct) {
    std::unique_ptr<GlWindow> opened = bringUp(create(size, nullptr, true, nullptr), size, conduct);
    if (opened != nullptr) {
        showBlackFrame(opened->window);
    }
    return opened;
}

std::unique_ptr<GlWindow> GlWindow::adopt(platform::NativeWindowHandle parent, PixelSize size,
                                          const WindowConduct& conduct) {
    setHints(true, false);
    std::unique_ptr<GlWindow> opened = bringUp(adoptPreviewWindow(parent), size, conduct);
    if (opened != nullptr) {
        showBlackFrame(opened->window);
    }
    return opened;
}

std::unique_ptr<GlWindow> GlWindow::openHidden(PixelSize size) {
    return bringUp(create(size, nullptr, false, nullptr), size, {});
}

const GlWindow* GlWindow::firstFullScreen() {
    auto first = std::find_if(openWindows.begin(), openWindows.end(),
                              [](const GlWindow* open) { return open->fullScreen; });
    return first != openWindows.end() ? *first : nullptr;
}

GlWindow::GlWindow(GLFWwindow* window, PixelSize size, const WindowConduct& conduct)
    : window(window), size(size), conduct(conduct) {
    openWindows.push_back(this);
}

// A lender hidden when its own screen went is destroyed with the last window that drew with its
// context.
GlWindow::~GlWindow() {
    openWindows.erase(std::remove(openWindows.begin(), openWindows.end(), this), openWindows.end());
    glfwSetWindowUserPointer(window, nullptr);
    auto lends = [](GLFWwindow* candidate) {
        return std::any_of(openWindows.begin(), openWindows.end(),
                           [candidate](const GlWindow* open) { return open->lender == candidate; });
    };
    if (lends(window)) {
        glfwHideWindow(window);
    } else {
        glfwDestroyWindow(window);
    }
    if (lender != nullptr && from(lender) == nullptr && !lends(lender)) {
        glfwDestroyWindow(lender);
    }
}

std::vector<GLFWwindow*> GlWindow::saverWindows() {
    std::vector<GLFWwindow*> windows;
    for (const GlWindow* open : openWindows) {
        windows.push_back(open->window);
    }
    return windows;
}

std::unique_ptr<GlWindow> GlWindow::bringUp(GLFWwindow* window, PixelSize size,
                                            const WindowConduct& conduct) {
    if (window == nullptr) {
        return nullptr;
    }
    std::unique_ptr<GlWindow> opened(new GlWindow(window, size, conduct));
    glfwSetWindowUserPointer(window, opened.get());
    glfwSetWindowSizeCallback(window, onWindowSize);
    if (conduct.noteInput) {
        glfwSetKeyCallback(window, onKey);
        glfwSetMouseButtonCallback(window, onMouseButton);
    }
    glfwSetCursorPosCallback(window, onCursorPos);
    glfwSetScrollCallback(window, onScroll);
    if (conduct.keepsFocus) {
        glfwSetWindowFocusCallback(window, onFocus);
    }

    glfwMakeContextCurrent(window);
    if (conduct.showIcon) {
        setWindowIcon(window);
    }
    // Resolved once while the context is current. GLEW reports failure for contexts older than
    // 3.0 even though every entry point the saver uses was found, so the result is not checked.
    glewInit();
    applyFixedGlState();
    if (conduct.hideCursor) {
        glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
    }
    return opened;
}

void GlWindow::makeCurrent() {
    if (lender != nullptr) {
        makeCurrentWithContextOf(window, lender);
    } else {
        glfwMakeContextCurrent(window);
    }
}

void GlWindow::present() {
    glfwSwapBuffers(window);
}

// The interval belongs to the window's own drawable (GLX) or its own context (WGL): it is set
// with the window's own context current, whichever context it draws with.
void GlWindow::setWaitsForDisplay(bool waits) {
    glfwMakeContextCurrent(window);
    setSwapInterval(waits ? 1 : 0);
    makeCurrent();
}

bool GlWindow::escapeHeld() const {
    return glfwGetKey(window, GLFW_KEY_ESCAPE) != GLFW_RELEASE;
}

bool GlWindow::closeRequested() const {
    return glfwWindowShouldClose(window) == GLFW_TRUE;
}

bool GlWindow::focusTaken() {
    if (!focusLeft) {
        return false;
    }
    FocusHolder holder = keyboardFocusHolder(saverWindows());
    focusLeft = holder != FocusHolder::Saver;
    return holder == FocusHolder::Other;
}

void GlWindow::takeFocus() {
    if (conduct.keepsFocus) {
        glfwFocusWindow(window);
    }
}

bool GlWindow::wantsFrame() const {
    return windowShown(window);
}

// The library lets go of a disconnected monitor's windows, making each an ordinary window
// somewhere on the others, before it forgets the monitor.
MonitorId GlWindow::monitor() const {
    return reinterpret_cast<MonitorId>(glfwGetWindowMonitor(window));
}

void GlWindow::refit(const Monitor& monitor) {
    fitToMonitor(window, libraryMonitor(monitor.id), monitor);
}

// A window hidden in place of its destruction has no GlWindow left to tell.
void GlWindow::onWindowSize(GLFWwindow* window, int width, int height) {
    if (GlWindow* opened = from(window)) {
        opened->size = {width, height};
    }
}

void GlWindow::onKey(GLFWwindow* window, int, int, int, int) {
    if (GlWindow* opened = from(window)) {
        opened->inputNoted = true;
    }
}

void GlWindow::onMouseButton(GLFWwindow* window, int, int, int) {
    if (GlWindow* opened = from(window)) {
        opened->inputNoted = true;
    }
}

// Moving the mouse or turning the wheel must not wake the screen. The handlers are there on
// purpose, doing nothing: the saver has always answered motion and the wheel with handlers of its
// own, so that leaving them out cannot pass for an oversight.
void GlWindow::onCursorPos(GLFWwindow*, double, double) {}

void GlWindow::onScroll(GLFWwindow*, double, double) {}

void GlWindow::onFocus(GLFWwindow* window, int focused) {
    if (GlWindow* opened = from(window)) {
        opened->focusLeft = focused == GLFW_FALSE;
    }
}

} // namespace windowing
