// Usage: preview_host
//
// Stands in for a program that lends the saver one of its windows: a top-level window with a
// 152 x 112 child pane, whose id it prints in decimal as "pane <id>". The pane selects button
// presses, which only one client at a time may select, as a real owner's would. It then takes
// commands on standard input, one a line, and answers each:
//   disable  unmaps the pane                           -> "disabled"
//   destroy  destroys the pane                         -> "destroyed"
//   destroy-after-adoption <ms>
//            waits until another client selects events on the pane, as the windowing library
//            does when it starts to adopt it, then <ms> milliseconds, then destroys the pane
//                                                      -> "destroyed", or "not adopted" after 30 s
//   check    whether the pane is as it was made        -> "pane intact" or "pane changed: <what>"
//   focus    raises the top-level window and gives it the keyboard focus, as a program that pops
//            up a window does                          -> "focused", or "not focused"
//   keys     how many key presses the top-level window has had since it took the focus
//                                                      -> "keys <count>"
//   quit     ends the process on the spot, windows and all
// The end of input ends it as well.
#include "platform/x11/ignore_x_error.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

constexpr int kPaneWidth = 152;
constexpr int kPaneHeight = 112;
constexpr long kPaneEvents = ExposureMask | ButtonPressMask | KeyPressMask;

Display* display = nullptr;
Window host = 0;
Window pane = 0;
int keyPresses = 0;

void reply(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// Another client's selection left on the pane would keep sending it events after the saver let go.
void check() {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, pane, &attributes) == 0) {
        reply("pane changed: gone");
    } else if (attributes.all_event_masks != attributes.your_event_mask) {
        reply("pane changed: another client's event mask");
    } else {
        reply("pane intact");
    }
}

// The moment a saver starts to draw into the pane, seen by polling: no event tells another client.
bool awaitAdoption() {
    for (int polls = 0; polls < 30000; ++polls) {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display, pane, &attributes);
        if (attributes.all_event_masks != attributes.your_event_mask) {
            return true;
        }
        usleep(1000);
    }
    return false;
}

void takeFocus() {
    XSelectInput(display, host, KeyPressMask);
    XRaiseWindow(display, host);
    XSetInputFocus(display, host, RevertToParent, CurrentTime);
    Window focus = 0;
    int revertTo = 0;
    XGetInputFocus(display, &focus, &revertTo);
    reply(focus == host ? "focused" : "not focused");
}

void countKeys() {
    XSync(display, False);
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        keyPresses += event.type == KeyPress && event.xkey.window == host ? 1 : 0;
    }
    reply(("keys " + std::to_string(keyPresses)).c_str());
}

void run(const std::string& command) {
    if (command == "disable") {
        XUnmapWindow(display, pane);
        XSync(display, False);
        reply("disabled");
    } else if (command == "destroy") {
        XDestroyWindow(display, pane);
        XSync(display, False);
        reply("destroyed");
    } else if (command.rfind("destroy-after-adoption ", 0) == 0) {
        if (!awaitAdoption()) {
            reply("not adopted");
            return;
        }
        usleep(static_cast<useconds_t>(std::atoi(command.c_str() + 23)) * 1000);
        run("destroy");
    } else if (command == "check") {
        check();
    } else if (command == "focus") {
        takeFocus();
    } else if (command == "keys") {
        countKeys();
    } else if (command == "quit") {
        _exit(0);
    } else {
        reply(("unknown command: " + command).c_str());
    }
}

} // namespace

int main() {
    display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        reply("no display");
        return 1;
    }
    // The only request that can fail is the check of a pane that is gone, which says so itself.
    XSetErrorHandler(platform::ignoreXError);
    Window root = DefaultRootWindow(display);
    host = XCreateSimpleWindow(display, root, 0, 0, 400, 300, 0, 0, 0x808080);
    XStoreName(display, host, "Emberveil preview host");
    pane = XCreateSimpleWindow(display, host, 0, 0, kPaneWidth, kPaneHeight, 0, 0, 0x404040);
    XSelectInput(display, pane, kPaneEvents);
    XMapWindow(display, pane);
    XMapWindow(display, host);
    XSync(display, False);
    std::printf("pane %lu\n", static_cast<unsigned long>(pane));
    std::fflush(stdout);

    // Each command ends with a round trip, which also takes in the display's events.
    char line[256];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
        line[std::strcspn(line, "\r\n")] = '\0';
        run(line);
    }
    return 0;
}
