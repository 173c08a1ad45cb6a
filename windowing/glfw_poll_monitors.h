#pragma once

// The windowing library's extension for following monitors that change unannounced.

#include <GLFW/glfw3.h>

#ifdef __cplusplus
extern "C" {
#endif

// Reads the set of connected monitors again, reporting connects and disconnects through the
// monitor callback as the library does when the system announces a change.
GLFWAPI void glfwPollMonitors(void);

#ifdef __cplusplus
}
#endif
