#include "windowing/monitor.h"

#include "windowing/glfw_poll_monitors.h"
#include "windowing/library.h"
#include "windowing/monitor_area.h"

namespace windowing {

namespace {

// A mode the library cannot read leaves the size and rate at 0.
Monitor describe(GLFWmonitor* handle) {
    Monitor monitor;
    monitor.id = reinterpret_cast<MonitorId>(handle);
    readMonitorArea(handle, &monitor);
    if (const GLFWvidmode* mode = glfwGetVideoMode(handle)) {
        monitor.refreshRate = mode->refreshRate;
    }
    return monitor;
}

} // namespace

// A library that could not start has no list to read again: asking would only add one more
// not-initialised error to those of the calls the saver needs.
std::vector<Monitor> allMonitors() {
    if (libraryStarted()) {
        glfwPollMonitors();
    }
    int count = 0;
    GLFWmonitor** handles = glfwGetMonitors(&count);
    std::vector<Monitor> monitors;
    for (int i = 0; i < count; ++i) {
        monitors.push_back(describe(handles[i]));
    }
    return monitors;
}

} // namespace windowing
