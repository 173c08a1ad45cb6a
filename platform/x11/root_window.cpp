#include "platform/x11/root_window.h"

#include "platform/x11/display_connection.h"

namespace platform {

NativeWindowHandle rootWindow() {
    Display* connection = displayConnection();
    return connection != nullptr ? static_cast<NativeWindowHandle>(DefaultRootWindow(connection))
                                 : 0;
}

} // namespace platform
