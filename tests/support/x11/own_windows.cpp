#include "tests/support/own_windows.h"

#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>

#include <X11/Xatom.h>
#include <unistd.h>

namespace {

bool madeBy(Display* display, Window window, long pid) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    Atom property = XInternAtom(display, "_NET_WM_PID", True);
    bool mine = property != 0 &&
                XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type,
                                   &format, &count, &left, &data) == Success &&
                count == 1 && *reinterpret_cast<long*>(data) == pid;
    if (data != nullptr) {
        XFree(data);
    }
    return mine;
}

} // namespace

// The library marks each of its windows with the process id. Its own connection is asked, so that
// what it destroyed last has reached the server.
int ownWindowCount() {
    Display* display = glfwGetX11Display();
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (display == nullptr ||
        !XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        return -1;
    }
    int own = 0;
    for (unsigned int index = 0; index < count; ++index) {
        own += madeBy(display, children[index], getpid()) ? 1 : 0;
    }
    XFree(children);
    return own;
}
