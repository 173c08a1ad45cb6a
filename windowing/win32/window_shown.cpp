#include "windowing/window_shown.h"

#include <windows.h>

#define GLFW_EXPOSE_NATIVE_WIN32
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>

namespace windowing {

// The preview draws into a child of the settings dialog: the dialog minimised leaves the child
// itself neither hidden nor minimised. Both questions are answered inside this process.
bool windowShown(GLFWwindow* window) {
    HWND handle = glfwGetWin32Window(window);
    return IsWindowVisible(handle) && !IsIconic(GetAncestor(handle, GA_ROOT));
}

} // namespace windowing
