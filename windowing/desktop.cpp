#include "windowing/desktop.h"

#include "platform/display_server.h"
#include "platform/fatal_failure.h"
#include "platform/message_box.h"
#include "windowing/compositor_desktop.h"
#include "windowing/library.h"
#include "windowing/library_desktop.h"

namespace windowing {

std::unique_ptr<Screen> Desktop::openWindow(PixelSize, const WindowConduct&, bool) {
    return nullptr;
}

std::unique_ptr<Screen> Desktop::adopt(platform::NativeWindowHandle, PixelSize,
                                       const WindowConduct&) {
    return nullptr;
}

namespace {

void showDebug(const char* text) {
    platform::showMessageBox(text, "Debug", platform::MessageIcon::Information);
}

// The library reaches an X server, a Wayland compositor's included, or the Windows desktop. A
// library that cannot start still gives a desktop: each later call reports that it is not
// initialised, and the window failure ends the run.
std::unique_ptr<Desktop> openLibraryDesktop() {
    if (!platform::displayServerAnswers() && !compositorAnswers()) {
        showDebug("No Wayland compositor and no X server to draw on");
    }
    showLibraryErrors();
    // Every fatal failure from here on, the scene's included, shuts the library down on its way
    // out.
    platform::setBeforeFatalExit(stopLibrary);
    auto desktop = std::make_unique<LibraryDesktop>();
    if (!desktop->started()) {
        showDebug("Failed to initialize GLFW");
    }
    return desktop;
}

} // namespace

// A Wayland compositor with layer shell is covered output by output without the windowing
// library, which is never started then. Everything else goes through the library: on Wayland
// without layer shell it reaches the compositor's X server, and without one there is nothing the
// full-screen saver could draw on. A new back-end is one more line here.
std::unique_ptr<Desktop> openDesktop(DesktopUse use) {
    if (use == DesktopUse::EveryMonitor) {
        if (std::unique_ptr<Desktop> compositor = openCompositorDesktop()) {
            return compositor;
        }
        if (!platform::displayServerAnswers() && compositorAnswers()) {
            platform::failFatally("The Wayland compositor offers no layer shell, and there is no X "
                                  "server to draw on");
        }
    }
    return openLibraryDesktop();
}

} // namespace windowing
