#include "platform/x11/outside_end.h"

#include "platform/x11/ignore_x_error.h"

#include <X11/Xlib.h>
#include <csignal>
#include <initializer_list>
#include <unistd.h>

namespace platform {

namespace {

// The system takes back everything the saver holds, and a signal handler may only call
// async-signal-safe functions: _exit is both enough and allowed.
void endAtOnce(int) {
    _exit(0);
}

// Xlib ends the process with code 1 after a message if this handler returns.
int endOnLostDisplay(Display*) {
    _exit(0);
}

} // namespace

void endQuietlyFromOutside() {
    struct sigaction action {};
    action.sa_handler = endAtOnce;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
    XSetIOErrorHandler(endOnLostDisplay);
    XSetErrorHandler(ignoreXError);
}

} // namespace platform
