#include "windowing/context_lending.h"

#define GLFW_EXPOSE_NATIVE_X11
#define GLFW_EXPOSE_NATIVE_GLX
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>

// GLX binds any context to any drawable of a compatible configuration. The library is not told:
// it keeps the window it made current last, which the saver only ever swaps and makes current
// again by name.
void makeCurrentWithContextOf(GLFWwindow* window, GLFWwindow* owner) {
    glXMakeCurrent(glfwGetX11Display(), glfwGetGLXWindow(window), glfwGetGLXContext(owner));
}
