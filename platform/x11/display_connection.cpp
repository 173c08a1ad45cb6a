#include "platform/x11/display_connection.h"

namespace platform {

Display* displayConnection() {
    static Display* connection = XOpenDisplay(nullptr);
    return connection;
}

} // namespace platform
