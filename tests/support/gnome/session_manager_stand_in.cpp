#include <systemd/sd-bus.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

std::uint32_t inhibitedFlags = 0;

int isInhibited(sd_bus_message* call, void*, sd_bus_error*) {
    std::uint32_t flags = 0;
    const int read = sd_bus_message_read(call, "u", &flags);
    if (read < 0) {
        return read;
    }
    return sd_bus_reply_method_return(call, "b", (flags & inhibitedFlags) != 0);
}

const sd_bus_vtable sessionManager[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("IsInhibited", "u", "b", isInhibited, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_VTABLE_END,
};

} // namespace

// Stands in for GNOME's session manager on the session bus with inhibitors for the given flags
// (8: idle) until it is ended. Says "ready" once it owns the session manager's name.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: session_manager_stand_in INHIBITED_FLAGS\n");
        return 2;
    }
    inhibitedFlags = static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10));
    sd_bus* bus = nullptr;
    if (sd_bus_open_user(&bus) < 0 ||
        sd_bus_add_object_vtable(bus, nullptr, "/org/gnome/SessionManager",
                                 "org.gnome.SessionManager", sessionManager, nullptr) < 0 ||
        sd_bus_request_name(bus, "org.gnome.SessionManager", 0) < 0) {
        std::fprintf(stderr, "session_manager_stand_in: no session bus, or the name is taken\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        const int processed = sd_bus_process(bus, nullptr);
        if (processed < 0) {
            return 1;
        }
        if (processed == 0 && sd_bus_wait(bus, UINT64_MAX) < 0) {
            return 1;
        }
    }
}
