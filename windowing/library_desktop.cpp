#include "windowing/library_desktop.h"

#include "platform/display_power.h"
#include "windowing/gl_window.h"
#include "windowing/library.h"

namespace windowing {

std::vector<Monitor> LibraryDesktop::monitors() {
    return allMonitors();
}

Screen* LibraryDesktop::cover(const Monitor& monitor, PixelSize size, const WindowConduct& conduct,
                              Screen* first) {
    return GlWindow::openFullScreen(monitor, size, conduct, static_cast<GlWindow*>(first));
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
