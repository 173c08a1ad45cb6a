// Usage: preview_host
//
// Stands in for a program that lends the saver one of its windows: a top-level window with a
// 152 x 112 child pane, whose id it prints in decimal as "pane <id>". The pane selects button
// presses, which only one client at a time may select, as a real owner's would. It then takes
// commands on standard input, one a line, and answers each:
//   disable  unmaps the pane                           -> "disabled"
//   destroy  destroys the pane                         -> "destroyed"
//   check    whether the pane is as it was made        -> "pane intact" or "pane changed: <what>"
//   quit     ends the process on the spot, windows and all
// The end of input ends it as well.
#include <X11/Xlib.h>

#include <cstdio>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace {

constexpr int kPaneWidth = 152;
constexpr int kPaneHeight = 112;
constexpr long kPaneEvents = ExposureMask | ButtonPressMask | KeyPressMask;

Display* display = nullptr;
Window pane = 0;

void reply(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

// Another client's selection left on the pane would keep sending it events after the saver let go.
void check() {
    XErrorHandler previous = XSetErrorHandler(ignoreXError);
    XWindowAttributes attributes{};
    Status status = XGetWindowAttributes(display, pane, &attributes);
    XSync(display, False);
    XSetErrorHandler(previous);
    std::string changes;
    if (status == 0) {
        changes += " gone";
    } else {
        if (attributes.all_event_masks != attributes.your_event_mask) {
            changes += " another client's event mask";
        }
        if (attributes.width != kPaneWidth || attributes.height != kPaneHeight) {
            changes += " size";
        }
    }
    reply(changes.empty() ? "pane intact" : ("pane changed:" + changes).c_str());
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
    } else if (command == "check") {
        check();
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
    Window root = DefaultRootWindow(display);
    Window host = XCreateSimpleWindow(display, root, 0, 0, 400, 300, 0, 0, 0x808080);
    XStoreName(display, host, "Emberveil preview host");
    pane = XCreateSimpleWindow(display, host, 0, 0, kPaneWidth, kPaneHeight, 0, 0, 0x404040);
    XSelectInput(display, pane, kPaneEvents);
    XMapWindow(display, pane);
    XMapWindow(display, host);
    XSync(display, False);
    std::printf("pane %lu\n", static_cast<unsigned long>(pane));
    std::fflush(stdout);

    // Commands and the display's events are read in one loop; the events are only drained.
    std::string pending;
    pollfd sources[2] = {{STDIN_FILENO, POLLIN, 0}, {ConnectionNumber(display), POLLIN, 0}};
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
        }
        if (poll(sources, 2, -1) < 0) {
            continue;
        }
        if (sources[0].revents != 0) {
            char buffer[256];
            ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
            if (count <= 0) {
                return 0;
            }
            pending.append(buffer, static_cast<std::size_t>(count));
            for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
                std::string line = pending.substr(0, end);
                pending.erase(0, end + 1);
                run(line);
            }
        }
    }
}
