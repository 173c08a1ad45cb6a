#include "windowing/preview_window.h"

#define GLFW_EXPOSE_NATIVE_X11
#include "windowing/glfw_adopt.h"

// Any client may draw into an X window whose visual allows GL, and the library's adopt falls back
// to a child window of its own where it does not, so one attempt settles it.
GLFWwindow* adoptPreviewWindow(platform::NativeWindowHandle parent) {
    return glfwAdoptNativeWindow(static_cast<Window>(parent), nullptr);
}
