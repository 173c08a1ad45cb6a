#include "windowing/monitor.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

namespace windowing {

namespace {

// A mode the library cannot read leaves the size and rate at 0.
Monitor describe(GLFWmonitor* handle) {
    Monitor monitor;
    monitor.handle = handle;
    glfwGetMonitorPos(handle, &monitor.x, &monitor.y);
    if (const GLFWvidmode* mode = glfwGetVideoMode(handle)) {
        monitor.width = mode->width;
        monitor.height = mode->height;
        monitor.refreshRate = mode->refreshRate;
    }
    return monitor;
}

} // namespace

bool primaryMonitor(Monitor* monitor) {
    GLFWmonitor* primary = glfwGetPrimaryMonitor();
    if (primary == nullptr) {
        return false;
    }
    *monitor = describe(primary);
    return true;
}

std::vector<Monitor> allMonitors() {
    int count = 0;
    GLFWmonitor** handles = glfwGetMonitors(&count);
    std::vector<Monitor> monitors;
    for (int i = 0; i < count; ++i) {
        monitors.push_back(describe(handles[i]));
    }
    return monitors;
}

} // namespace windowing
