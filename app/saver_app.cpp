#include "app/saver_app.h"

#include "app/window_size_rule.h"
#include "platform/fatal_failure.h"
#include "platform/native_window.h"
#include "platform/os_version.h"
#include "windowing/held_errors.h"

#include <cstdlib>

namespace {

// The saver that covers the whole desktop on its own account, not a window that the X11 daemon
// hands it.
bool coversDesktop(const ScreensaverArgs& args) {
    return !args.hackConventions &&
           (args.mode == SaverMode::Fullscreen || args.mode == SaverMode::None);
}

// Under the X11 daemon's conventions input belongs to the daemon, or to the user of a window on
// the desktop, and a cursor set on the daemon's window, or on the root window, would outlive the
// saver; an icon would stay on the daemon's window too.
windowing::WindowConduct conductFor(const ScreensaverArgs& args) {
    windowing::WindowConduct conduct;
    conduct.noteInput = !args.hackConventions;
    conduct.hideCursor = !args.hackConventions;
    conduct.showIcon = !(args.hackConventions && args.mode == SaverMode::Preview);
    conduct.keepsFocus = coversDesktop(args);
    return conduct;
}

// Whether the middle of the window lies on the monitor.
bool centredOn(const platform::ClientArea& window, const windowing::Monitor& monitor) {
    int x = window.x + window.width / 2;
    int y = window.y + window.height / 2;
    return x >= monitor.x && x < monitor.x + monitor.width && y >= monitor.y &&
           y < monitor.y + monitor.height;
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

int SaverApp::primaryModeSize(int which) const {
    if (monitors.empty()) {
        return 0;
    }
    return which == 0 ? monitors.front().width : monitors.front().height;
}

int SaverApp::primaryRate() const {
    return monitors.empty() ? 0 : monitors.front().refreshRate;
}

// The saver that covers every monitor asks for the desktop as a whole, which on a Wayland
// compositor with layer shell is the compositor's own; every other mode draws into one window.
void SaverApp::initWindowing() {
    desktop = windowing::openDesktop(coversDesktop(*args) ? windowing::DesktopUse::EveryMonitor
                                                          : windowing::DesktopUse::OneWindow);
}

// The one read of the monitors gives the size rule its primary mode and, in every mode, the
// display rate that paces the frames.
void SaverApp::computeWindowSize() {
    monitors = desktop->monitors();
    PixelSize parentClient;
    PixelSize primaryMode;
    int osVersion = osVersionNumber();
    if (args->mode == SaverMode::Preview) {
        parentReadAtStart = platform::readClientArea(args->parent, &parentArea);
        parentClient = {parentArea.width, parentArea.height};
    } else if (osVersion >= 60) {
        primaryMode = {primaryModeSize(0), primaryModeSize(1)};
    }
    startSize = chooseWindowSize(args->mode, osVersion, &primaryMode,
                                 parentReadAtStart ? &parentClient : nullptr);
}

// Full screen covers every monitor. Where the desktop names none, the saver has a window of its
// own at the chosen size; a compositor without outputs has nothing to cover.
void SaverApp::openWindow() {
    windowing::WindowConduct conduct = conductFor(*args);
    windowing::Desktop& on = *desktop;
    if (args->mode == SaverMode::Preview) {
        adoptParent(conduct);
    } else if (args->mode == SaverMode::Windowed || monitors.empty()) {
        screens =
            std::make_unique<Screens>(&on, on.openWindow(startSize, conduct, true), primaryRate());
    } else {
        screens = std::make_unique<Screens>(&on, monitors, startSize, conduct,
                                            args->settings.fireOnEveryMonitor);
    }
    if (screens->empty()) {
        platform::failFatally("Failed to open window");
    }
}

// The settings dialog destroys or disables its pane whenever the user moves on, also while a
// preview starts: a pane that goes away while its window is set up ends the preview quietly, and
// the library's complaints about the vanished window are dropped. Otherwise they go on, and a
// parent that was no window from the start fails as any window that cannot be opened.
void SaverApp::adoptParent(const windowing::WindowConduct& conduct) {
    windowing::HeldErrors errors;
    std::unique_ptr<windowing::Screen> window = desktop->adopt(args->parent, startSize, conduct);
    if (parentReadAtStart && !platform::isWindowEnabled(args->parent)) {
        errors.forget();
        window.reset();
        endPreview();
    }
    screens = std::make_unique<Screens>(desktop.get(), std::move(window), primaryRate(),
                                        parentShowsFire());
}

// The preview's ordinary end, as the stop rule would have found it: no message, and the adopted
// window handed back on the way out, which closing the desktop does.
void SaverApp::endPreview() {
    screens.reset();
    desktop.reset();
    std::exit(0);
}

// The X11 daemon runs one saver per monitor, each in a window of its own: kept to the main
// monitor, a saver whose window lies elsewhere draws black.
bool SaverApp::parentShowsFire() const {
    if (args->settings.fireOnEveryMonitor || !args->hackConventions || !parentReadAtStart ||
        monitors.empty()) {
        return true;
    }
    return centredOn(parentArea, monitors.front());
}

// The fixed GL state and the cursor are set with each window; what spans them is which one's
// swaps wait for the display.
void SaverApp::initGlState() {
    screens->pace();
}
