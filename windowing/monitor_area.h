#pragma once

#include "windowing/monitor.h"

struct GLFWmonitor;
struct GLFWwindow;

namespace windowing {

// Reads where the monitor sits on the desktop and the size of its current mode into *monitor;
// leaves them at 0 where they cannot be read.
void readMonitorArea(GLFWmonitor* handle, Monitor* monitor);

// Moves and resizes a window that is full screen on the monitor onto the monitor's area now,
// without changing the monitor's mode.
void fitToMonitor(GLFWwindow* window, GLFWmonitor* handle, const Monitor& monitor);

} // namespace windowing
