#include "app/saver_app.h"

#include "app/window_size_rule.h"
#include "platform/fatal_failure.h"
#include "platform/message_box.h"
#include "platform/native_window.h"
#include "platform/os_version.h"
#include "windowing/library.h"
#include "windowing/monitor.h"

#include <cstdlib>

namespace {

// Any key or button event ends the saver at once; the OS reclaims the window and the context.
void endOnInput() {
    std::exit(0);
}

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
    windowing::Monitor primary;
    if (!windowing::primaryMonitor(&primary)) {
        return 0;
    }
    return which == 0 ? primary.width : primary.height;
}

void SaverApp::setSwapInterval(int interval) {
    windowing::setSwapInterval(interval & 0xFF);
}

void SaverApp::initWindowing() {
    windowing::showLibraryErrors();
    // Every fatal failure from here on, the scene's included, shuts the library down on its way
    // out.
    platform::setBeforeFatalExit(windowing::stopLibrary);
    if (!windowing::startLibrary()) {
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
    startSize =
        chooseWindowSize(args->mode, osVersion, &primaryMode, parentRead ? &parentClient : nullptr);
}

void SaverApp::openWindow() {
    windowing::WindowConduct conduct;
    // Under the X11 daemon's conventions input belongs to the daemon, or to the user of a window
    // on the desktop, and a cursor set on the daemon's window, or on the root window, would
    // outlive the saver.
    if (!args->hackConventions) {
        conduct.onInput = endOnInput;
        conduct.hideCursor = true;
    }
    // The daemon's window keeps its look: an icon would stay on it after the saver.
    conduct.showIcon = !(args->hackConventions && args->mode == SaverMode::Preview);

    if (args->mode == SaverMode::Preview) {
        window = windowing::GlWindow::adopt(args->parent, startSize, conduct);
    } else if (args->mode == SaverMode::Windowed) {
        window = windowing::GlWindow::openOnDesktop(startSize, conduct);
    } else {
        windowing::Monitor primary;
        windowing::primaryMonitor(&primary);
        window = windowing::GlWindow::openFullScreen(primary, startSize, conduct);
    }
    if (window == nullptr) {
        platform::failFatally("Failed to open window");
    }
}

void SaverApp::initGlState() {
    setSwapInterval(1);
}
