#include "platform/display_server.h"

#include "platform/x11/display_connection.h"

namespace platform {

bool displayServerAnswers() {
    return displayConnection() != nullptr;
}

} // namespace platform
