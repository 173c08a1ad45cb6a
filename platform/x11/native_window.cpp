#include "platform/native_window.h"
#include "platform/x11/display_connection.h"
#include "platform/x11/ignore_x_error.h"

#include <X11/Xlib.h>

namespace platform {

namespace {

// Reads a window's attributes without letting a vanished window end the process through Xlib's
// default error handler.
bool readAttributes(NativeWindowHandle window, XWindowAttributes* attributes) {
    Display* connection = displayConnection();
    if (connection == nullptr || window <= 0) {
        return false;
    }
    XErrorHandler previous = XSetErrorHandler(ignoreXError);
    Status status = XGetWindowAttributes(connection, static_cast<Window>(window), attributes);
    XSync(connection, False);
    XSetErrorHandler(previous);
    return status != 0;
}

} // namespace

// The attributes place a window within its parent only, and the daemon's windows may be nested.
bool readClientArea(NativeWindowHandle window, ClientArea* area) {
    XWindowAttributes attributes{};
    if (!readAttributes(window, &attributes)) {
        return false;
    }
    Window child = 0;
    XTranslateCoordinates(displayConnection(), static_cast<Window>(window), attributes.root, 0, 0,
                          &area->x, &area->y, &child);
    area->width = attributes.width;
    area->height = attributes.height;
    return true;
}

bool isWindowEnabled(NativeWindowHandle window) {
    XWindowAttributes attributes{};
    return readAttributes(window, &attributes) && attributes.map_state == IsViewable;
}

} // namespace platform
