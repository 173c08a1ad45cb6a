#include "platform/single_instance.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

// The display the saver draws on: a Wayland session's compositor, whose X server is a part of that
// session, or else the X server without the screen: ":1" and ":1.0" are one session.
std::string sessionDisplay() {
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (wayland != nullptr && *wayland != '\0') {
        return std::string("wayland:") + wayland;
    }
    const char* value = std::getenv("DISPLAY");
    std::string display = value != nullptr ? value : "";
    std::size_t colon = display.rfind(':');
    std::size_t dot = display.find('.', colon == std::string::npos ? 0 : colon);
    if (colon != std::string::npos && dot != std::string::npos) {
        display.erase(dot);
    }
    return display;
}

} // namespace

// A socket bound in the abstract namespace plays the part of a named event: the name is per user
// and display, as a session is, and the kernel releases it when the process ends, however it
// ends.
bool claimInstanceName(const char* name) {
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return true;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    int length = std::snprintf(address.sun_path + 1, sizeof address.sun_path - 1, "%s.%u.%s", name,
                               static_cast<unsigned>(getuid()), sessionDisplay().c_str());
    if (length < 0) {
        close(fd);
        return true;
    }
    std::size_t pathLength = 1 + std::strlen(address.sun_path + 1);
    auto addressLength = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + pathLength);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), addressLength) != 0) {
        bool held = errno == EADDRINUSE;
        close(fd);
        return !held;
    }
    return true;
}

} // namespace platform
