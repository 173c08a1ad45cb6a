#pragma once

#include <vector>

struct GLFWmonitor;

namespace windowing {

// A monitor as the windowing library reports it: where it sits on the desktop, in screen
// coordinates, and its current video mode (0 where the library cannot read it).
struct Monitor {
    GLFWmonitor* handle = nullptr;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int refreshRate = 0;
};

// The primary monitor. False, leaving *monitor as it was, when the library reports none.
bool primaryMonitor(Monitor* monitor);

// Every monitor connected now, the primary first.
std::vector<Monitor> allMonitors();

} // namespace windowing
