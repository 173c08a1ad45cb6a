#include "windowing/keyboard_focus.h"

#include "platform/x11/ignore_x_error.h"

#define GLFW_EXPOSE_NATIVE_X11
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>

namespace windowing {

namespace {

// Whether focus is the window itself or a window that holds it, such as a window manager's frame.
bool holds(Display* display, Window focus, Window window) {
    while (window != focus) {
        Window root = None;
        Window parent = None;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) {
            return false;
        }
        if (children != nullptr) {
            XFree(children);
        }
        if (parent == root || parent == None) {
            return false;
        }
        window = parent;
    }
    return true;
}

} // namespace

// With the focus on the root window, or following the pointer, keys go to the window under the
// pointer, which the saver covers. A frame that another client destroys while it is asked about
// holds nothing.
FocusHolder keyboardFocusHolder(const std::vector<GLFWwindow*>& saverWindows) {
    Display* display = glfwGetX11Display();
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(display, &focus, &revertTo);
    if (focus == None || focus == PointerRoot || focus == DefaultRootWindow(display)) {
        return FocusHolder::Nobody;
    }
    XErrorHandler previous = XSetErrorHandler(platform::ignoreXError);
    bool saver = false;
    for (GLFWwindow* window : saverWindows) {
        saver = saver || holds(display, focus, glfwGetX11Window(window));
    }
    XSync(display, False);
    XSetErrorHandler(previous);
    return saver ? FocusHolder::Saver : FocusHolder::Other;
}

} // namespace windowing
