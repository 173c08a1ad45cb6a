#include "app/saver_app.h"

#include "app/window_size_rule.h"
#include "platform/fatal_failure.h"
#include "platform/message_box.h"
#include "platform/native_window.h"
#include "platform/os_version.h"
#include "platform/user_setting.h"
#include "windowing/held_errors.h"
#include "windowing/library.h"
#include "windowing/monitor.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Any key or button event ends the saver at once; the OS reclaims the windows and the contexts.
void endOnInput() {
    std::exit(0);
}

// Users whose machines cannot afford a fire on every monitor turn the others black; a missing
// setting means a fire on each.
bool fireOnEveryMonitor() {
    std::uint32_t value = 1;
    platform::readUserSetting("FireOnEveryMonitor", &value);
    return value != 0;
}

bool fullScreen(SaverMode mode) {
    return mode == SaverMode::Fullscreen || mode == SaverMode::None;
}

// 60 Hz where the library cannot tell.
double refreshPeriodOf(const windowing::GlWindow& window) {
    int rate = window.refreshRate();
    return 1.0 / (rate > 0 ? rate : 60);
}

// The preview's ordinary end, as the stop rule would have found it: no message, and the adopted
// window handed back on the way out.
[[noreturn]] void endPreview() {
    windowing::stopLibrary();
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
    PixelSize primaryMode;
    int osVersion = osVersionNumber();
    if (args->mode == SaverMode::Preview) {
        platform::ClientSize client;
        parentReadAtStart = platform::readClientSize(args->parent, &client);
        parentClient = {client.width, client.height};
    } else if (osVersion >= 60) {
        primaryMode = {primaryModeSize(0), primaryModeSize(1)};
    }
    startSize = chooseWindowSize(args->mode, osVersion, &primaryMode,
                                 parentReadAtStart ? &parentClient : nullptr);
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
        adoptParent(conduct);
    } else if (args->mode == SaverMode::Windowed) {
        window = windowing::GlWindow::openOnDesktop(startSize, conduct);
    } else {
        // The primary monitor comes first; without any, the window is a plain one.
        std::vector<windowing::Monitor> monitors = windowing::allMonitors();
        windowing::Monitor primary = monitors.empty() ? windowing::Monitor{} : monitors.front();
        // One full-screen window takes the focus from another, which would then give way.
        bool severalMonitors = fullScreen(args->mode) && monitors.size() > 1;
        conduct.iconifyOnFocusLoss = !severalMonitors;
        window = windowing::GlWindow::openFullScreen(primary, startSize, conduct);
        if (window != nullptr && severalMonitors) {
            openOtherMonitorWindows(monitors, conduct);
        }
    }
    if (window == nullptr) {
        platform::failFatally("Failed to open window");
    }
    refreshPeriod = refreshPeriodOf(*window);
}

// The settings dialog destroys or disables its pane whenever the user moves on, also while a
// preview starts: a pane that goes away while its window is set up ends the preview quietly, and
// the library's complaints about the vanished window are dropped. Otherwise they go on, and a
// parent that was no window from the start fails as any window that cannot be opened.
void SaverApp::adoptParent(const windowing::WindowConduct& conduct) {
    windowing::HeldErrors errors;
    window = windowing::GlWindow::adopt(args->parent, startSize, conduct);
    if (parentReadAtStart && !platform::isWindowEnabled(args->parent)) {
        errors.forget();
        endPreview();
    }
}

// Each monitor gets its own fire, drawn for its own size as if it were the only one. A monitor
// whose window cannot be opened stays as it is; the library has said why.
void SaverApp::openOtherMonitorWindows(const std::vector<windowing::Monitor>& monitors,
                                       const windowing::WindowConduct& conduct) {
    fireOnOtherMonitors = fireOnEveryMonitor();
    for (auto monitor = monitors.begin() + 1; monitor != monitors.end(); ++monitor) {
        windowing::GlWindow* other = windowing::GlWindow::openFullScreen(
            *monitor, {monitor->width, monitor->height}, conduct, window);
        if (other != nullptr) {
            // Only the primary window's swap waits for the display: one wait a frame, however
            // many monitors there are.
            setSwapInterval(0);
            otherWindows.push_back(other);
        }
    }
    window->makeCurrent();
}

void SaverApp::initGlState() {
    setSwapInterval(1);
}

bool SaverApp::dropWindowsOfLostMonitors() {
    for (auto other = otherWindows.begin(); other != otherWindows.end();) {
        if ((*other)->monitorLost()) {
            delete *other;
            other = otherWindows.erase(other);
        } else {
            ++other;
        }
    }
    if (window->monitorLost()) {
        delete window;
        window = nullptr;
        if (otherWindows.empty()) {
            return false;
        }
        // The next window takes the lost one's place; its swaps go on without waiting, and the
        // loop's pacing keeps the frames to the display's rate.
        window = otherWindows.front();
        otherWindows.erase(otherWindows.begin());
        window->makeCurrent();
        refreshPeriod = refreshPeriodOf(*window);
    }
    return true;
}
