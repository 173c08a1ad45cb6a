#include "windowing/context_lending.h"

#include <GLFW/glfw3.h>

// WGL binds a context only to windows of the pixel format it was made for, and each window picks
// its own: every window draws with its own context.
void makeCurrentWithContextOf(GLFWwindow* window, GLFWwindow*) {
    glfwMakeContextCurrent(window);
}
