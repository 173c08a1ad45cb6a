#include "windowing/library_desktop.h"

#include "platform/display_power.h"
#include "windowing/gl_window.h"
#include "windowing/library.h"

namespace windowing {

LibraryDesktop::LibraryDesktop() {
    startLibrary();
}

LibraryDesktop::~LibraryDesktop() {
    stopLibrary();
}

bool LibraryDesktop::started() const {
    return libraryStarted();
}

std::vector<Monitor> LibraryDesktop::monitors() {
    return allMonitors();
}

std::unique_ptr<Screen> LibraryDesktop::openOn(const Monitor& monitor, PixelSize size,
                                               const WindowConduct& conduct) {
    return GlWindow::openFullScreen(monitor, size, conduct, GlWindow::firstFullScreen());
}

std::unique_ptr<Screen> LibraryDesktop::openWindow(PixelSize size, const WindowConduct& conduct,
                                                   bool shown) {
    if (!shown) {
        return GlWindow::openHidden(size);
    }
    return GlWindow::openOnDesktop(size, conduct);
}

std::unique_ptr<Screen> LibraryDesktop::adopt(platform::NativeWindowHandle parent, PixelSize size,
                                              const WindowConduct& conduct) {
    return GlWindow::adopt(parent, size, conduct);
}

void LibraryDesktop::pollEvents() {
    windowing::pollEvents();
}

void LibraryDesktop::waitEvents(double seconds) {
    windowing::waitEvents(seconds);
}

double LibraryDesktop::time() const {
    return libraryTime();
}

bool LibraryDesktop::displaysOn() {
    return platform::displaysOn();
}

} // namespace windowing
