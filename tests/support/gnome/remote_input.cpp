#include <systemd/sd-bus.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>

namespace {

const char kRemoteDesktop[] = "org.gnome.Mutter.RemoteDesktop";
const char kSession[] = "org.gnome.Mutter.RemoteDesktop.Session";

struct RemoteSession {
    sd_bus* bus = nullptr;
    std::string path;

    bool key(std::uint32_t code, bool pressed) {
        return sd_bus_call_method(bus, kRemoteDesktop, path.c_str(), kSession,
                                  "NotifyKeyboardKeycode", nullptr, nullptr, "ub", code,
                                  static_cast<int>(pressed)) >= 0;
    }

    bool move(double dx, double dy) {
        return sd_bus_call_method(bus, kRemoteDesktop, path.c_str(), kSession,
                                  "NotifyPointerMotionRelative", nullptr, nullptr, "dd", dx,
                                  dy) >= 0;
    }
};

bool start(RemoteSession& session) {
    sd_bus_message* reply = nullptr;
    const char* path = nullptr;
    if (sd_bus_open_user(&session.bus) < 0 ||
        sd_bus_call_method(session.bus, kRemoteDesktop, "/org/gnome/Mutter/RemoteDesktop",
                           kRemoteDesktop, "CreateSession", nullptr, &reply, "") < 0 ||
        sd_bus_message_read(reply, "o", &path) < 0) {
        return false;
    }
    session.path = path;
    return sd_bus_call_method(session.bus, kRemoteDesktop, session.path.c_str(), kSession, "Start",
                              nullptr, nullptr, "") >= 0;
}

// One line of input: "key CODE" presses and releases a key (a Linux input event code, 30 is A),
// "move DX DY" moves the pointer by so many pixels.
bool perform(RemoteSession& session, const char* line) {
    unsigned code = 0;
    double dx = 0.0;
    double dy = 0.0;
    if (std::sscanf(line, "key %u", &code) == 1) {
        // A short press, well before the key would repeat.
        const bool pressed = session.key(code, true);
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        return session.key(code, false) && pressed;
    }
    return std::sscanf(line, "move %lf %lf", &dx, &dy) == 2 && session.move(dx, dy);
}

} // namespace

// A keyboard and a pointer of GNOME's compositor, through its remote desktop, driven by lines on
// standard input until it ends. The compositor takes their input as the user's own, which resets
// its idle time, while input sent through XWayland's XTEST reaches X clients only. They last as
// long as this program, as real devices would: the compositor drops the first key of a keyboard
// that has just appeared.
int main() {
    RemoteSession session;
    if (!start(session)) {
        std::fprintf(stderr, "remote_input: no remote desktop on the session bus\n");
        return 1;
    }
    char line[64];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
        if (!perform(session, line)) {
            std::fprintf(stderr, "remote_input: could not perform \"%s\"\n", line);
            return 1;
        }
    }
    return 0;
}
