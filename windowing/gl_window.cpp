#include "windowing/gl_window.h"

#include "render/gl_state.h"
#include "windowing/preview_window.h"
#include "windowing/window_hints.h"
#include "windowing/window_icon.h"

// The loader's header comes before the library's, which would otherwise bring in gl.h.
#include <GL/glew.h>

#include <GLFW/glfw3.h>

namespace windowing {

namespace {

constexpr const char* kTitle = "Emberveil";

// Every window starts from the library's defaults with the saver's hints on top, whatever an
// earlier window was made with.
void setHints(bool visible) {
    glfwDefaultWindowHints();
    setSaverWindowHints();
    if (!visible) {
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    }
}

GLFWwindow* create(PixelSize size, GLFWmonitor* monitor, bool visible) {
    setHints(visible);
    return glfwCreateWindow(size.width, size.height, kTitle, monitor, nullptr);
}

GlWindow* from(GLFWwindow* window) {
    return static_cast<GlWindow*>(glfwGetWindowUserPointer(window));
}

} // namespace

GlWindow* GlWindow::openFullScreen(const Monitor& monitor, PixelSize size,
                                   const WindowConduct& conduct) {
    return bringUp(create(size, monitor.handle, true), size, conduct);
}

GlWindow* GlWindow::openOnDesktop(PixelSize size, const WindowConduct& conduct) {
    return bringUp(create(size, nullptr, true), size, conduct);
}

GlWindow* GlWindow::adopt(platform::NativeWindowHandle parent, PixelSize size,
                          const WindowConduct& conduct) {
    setHints(true);
    return bringUp(adoptPreviewWindow(parent), size, conduct);
}

GlWindow* GlWindow::openHidden(PixelSize size) {
    return bringUp(create(size, nullptr, false), size, {});
}

GlWindow::GlWindow(GLFWwindow* window, PixelSize size, const WindowConduct& conduct)
    : window(window), size(size), conduct(conduct) {}

GlWindow::~GlWindow() {
    glfwDestroyWindow(window);
}

GlWindow* GlWindow::bringUp(GLFWwindow* window, PixelSize size, const WindowConduct& conduct) {
    if (window == nullptr) {
        return nullptr;
    }
    auto* opened = new GlWindow(window, size, conduct);
    glfwSetWindowUserPointer(window, opened);
    glfwSetWindowSizeCallback(window, onWindowSize);
    if (conduct.onInput != nullptr) {
        glfwSetKeyCallback(window, onKey);
        glfwSetMouseButtonCallback(window, onMouseButton);
    }
    glfwSetCursorPosCallback(window, onCursorPos);
    glfwSetScrollCallback(window, onScroll);

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
    glfwMakeContextCurrent(window);
}

void GlWindow::present() {
    glfwSwapBuffers(window);
}

bool GlWindow::escapeHeld() const {
    return glfwGetKey(window, GLFW_KEY_ESCAPE) != GLFW_RELEASE;
}

bool GlWindow::closeRequested() const {
    return glfwWindowShouldClose(window) == GLFW_TRUE;
}

void GlWindow::requestClose() {
    glfwSetWindowShouldClose(window, GLFW_TRUE);
}

void GlWindow::onWindowSize(GLFWwindow* window, int width, int height) {
    from(window)->size = {width, height};
}

void GlWindow::onKey(GLFWwindow* window, int, int, int, int) {
    from(window)->conduct.onInput();
}

void GlWindow::onMouseButton(GLFWwindow* window, int, int, int) {
    from(window)->conduct.onInput();
}

// Moving the mouse or turning the wheel must not wake the screen.
void GlWindow::onCursorPos(GLFWwindow*, double, double) {}

void GlWindow::onScroll(GLFWwindow*, double, double) {}

} // namespace windowing
