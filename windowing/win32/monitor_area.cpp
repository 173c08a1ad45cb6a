#include "windowing/monitor_area.h"

#include <windows.h>

#define GLFW_EXPOSE_NATIVE_WIN32
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>

#include <cstring>

namespace windowing {

namespace {

struct Search {
    const char* adapter;
    RECT area;
    bool found;
};

BOOL CALLBACK matchAdapter(HMONITOR handle, HDC, LPRECT, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    MONITORINFOEXA info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(handle, &info) && std::strcmp(info.szDevice, search->adapter) == 0) {
        search->area = info.rcMonitor;
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

} // namespace

// The monitor's rectangle follows the desktop at once, where the display settings that the library
// reads may keep an output's old place and mode for good (Wine, after an output is switched off).
void readMonitorArea(GLFWmonitor* handle, Monitor* monitor) {
    Search search{glfwGetWin32Adapter(handle), {}, false};
    if (search.adapter == nullptr) {
        return;
    }
    EnumDisplayMonitors(nullptr, nullptr, matchAdapter, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
        monitor->x = search.area.left;
        monitor->y = search.area.top;
        monitor->width = search.area.right - search.area.left;
        monitor->height = search.area.bottom - search.area.top;
    }
}

// The library would move the window only after setting the mode it was asked for, and the
// display settings it compares that with may be stale: the window is placed directly, as the
// library itself places full-screen windows. Its place in the stacking order stays as it is: the
// library made it topmost, and a refit must neither lower it nor take the activation.
void fitToMonitor(GLFWwindow* window, GLFWmonitor*, const Monitor& monitor) {
    SetWindowPos(glfwGetWin32Window(window), nullptr, monitor.x, monitor.y, monitor.width,
                 monitor.height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

} // namespace windowing
