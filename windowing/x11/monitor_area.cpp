#include "windowing/monitor_area.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

namespace windowing {

// The library asks the X server each time, so its answer follows the desktop at once.
void readMonitorArea(GLFWmonitor* handle, Monitor* monitor) {
    glfwGetMonitorPos(handle, &monitor->x, &monitor->y);
    if (const GLFWvidmode* mode = glfwGetVideoMode(handle)) {
        monitor->width = mode->width;
        monitor->height = mode->height;
    }
}

// Asking for the mode the monitor has changes no mode: the library moves and resizes the window
// itself where no window manager runs, and otherwise leaves that to the window manager, which
// keeps full-screen windows on their monitors.
void fitToMonitor(GLFWwindow* window, GLFWmonitor* handle, const Monitor&) {
    if (const GLFWvidmode* mode = glfwGetVideoMode(handle)) {
        glfwSetWindowMonitor(window, handle, 0, 0, mode->width, mode->height, mode->refreshRate);
    }
}

} // namespace windowing
