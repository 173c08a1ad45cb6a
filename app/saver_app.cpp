#include "app/saver_app.h"

#include "app/drawing_size.h"
#include "app/window_hints.h"
#include "app/window_icon.h"
#include "app/window_size_rule.h"
#include "platform/fatal_failure.h"
#include "platform/message_box.h"
#include "platform/os_version.h"
#include "render/gl_state.h"
#include "windowing/preview_window.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <cstdlib>

namespace {

void onGlfwError(int, const char* description) {
    platform::showMessageBox(description, "Error", platform::MessageIcon::Information);
}

void onWindowSize(GLFWwindow*, int width, int height) {
    setDrawingSize(width, height);
}

// Any key or button event ends the saver at once; the OS reclaims the window and the context.
void onKey(GLFWwindow*, int, int, int, int) {
    std::exit(0);
}

void onMouseButton(GLFWwindow*, int, int, int) {
    std::exit(0);
}

// Moving the mouse or turning the wheel must not wake the screen.
void onCursorPos(GLFWwindow*, double, double) {}

void onScroll(GLFWwindow*, double, double) {}

} // namespace

SaverApp::SaverApp(ScreensaverArgs* args) : args(args) {
    initWindowing();
    computeWindowSize();
    openWindow();
    initGlState();
}

int SaverApp::osVersionNumber() {
    return osVersionNumberFromWord(platform::osVersionWord());
}

int SaverApp::primaryModeSize(int which) {
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor != nullptr ? glfwGetVideoMode(monitor) : nullptr;
    if (mode == nullptr) {
        return 0;
    }
    return which == 0 ? mode->width : mode->height;
}

void SaverApp::setSwapInterval(int interval) {
    glfwSwapInterval(interval & 0xFF);
}

void SaverApp::initWindowing() {
    glfwSetErrorCallback(onGlfwError);
    // Every fatal failure from here on, the scene's included, shuts the library down on its way
    // out.
    platform::setBeforeFatalExit(glfwTerminate);
    if (!glfwInit()) {
        platform::showMessageBox("Failed to initialize GLFW", "Debug",
                                 platform::MessageIcon::Information);
    }
}

void SaverApp::computeWindowSize() {
    PixelSize parentClient;
    bool parentRead = false;
    PixelSize primaryMode;
    int osVersion = osVersionNumber();
    if (args->mode == SaverMode::Preview) {
        platform::ClientSize client;
        parentRead = platform::readClientSize(args->parent, &client);
        parentClient = {client.width, client.height};
    } else if (osVersion >= 60) {
        primaryMode = {primaryModeSize(0), primaryModeSize(1)};
    }
    PixelSize size =
        chooseWindowSize(args->mode, osVersion, &primaryMode, parentRead ? &parentClient : nullptr);
    setDrawingSize(size.width, size.height);
}

void SaverApp::openWindow() {
    setSaverWindowHints();

    if (args->mode == SaverMode::Preview) {
        window = adoptPreviewWindow(args->parent);
    } else {
        GLFWmonitor* monitor =
            args->mode == SaverMode::Windowed ? nullptr : glfwGetPrimaryMonitor();
        window = glfwCreateWindow(windowWidth, windowHeight, "Emberveil", monitor, nullptr);
    }
    if (window == nullptr) {
        platform::failFatally("Failed to open window");
    }

    glfwSetWindowSizeCallback(window, onWindowSize);
    // Under the X11 daemon's conventions input belongs to the daemon, or to the user of a window
    // on the desktop.
    if (!args->hackConventions) {
        glfwSetKeyCallback(window, onKey);
        glfwSetMouseButtonCallback(window, onMouseButton);
    }
    glfwSetCursorPosCallback(window, onCursorPos);
    glfwSetScrollCallback(window, onScroll);

    glfwMakeContextCurrent(window);
    // The daemon's window keeps its look: an icon would stay on it after the saver.
    if (!(args->hackConventions && args->mode == SaverMode::Preview)) {
        setWindowIcon(window);
    }
    // Resolved once while the context is current. GLEW reports failure for contexts older than
    // 3.0 even though every entry point the saver uses was found, so the result is not checked.
    glewInit();
}

void SaverApp::initGlState() {
    applyFixedGlState();
    setSwapInterval(1);
    // A cursor set on the daemon's window, or on the root window, would outlive the saver.
    if (!args->hackConventions) {
        glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
    }
}
