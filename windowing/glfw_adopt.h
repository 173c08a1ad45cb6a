#pragma once

// The windowing library's extension for drawing into a window that someone else created. Like
// the library's own glfw3native.h, it declares the function for the native API that the
// including file exposes with GLFW_EXPOSE_NATIVE_WIN32 or GLFW_EXPOSE_NATIVE_X11.

#include <GLFW/glfw3.h>

#if defined(GLFW_EXPOSE_NATIVE_WIN32)
#include <windows.h>
#elif defined(GLFW_EXPOSE_NATIVE_X11)
#include <X11/Xlib.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Makes the native window a library window with a context made from the current framebuffer and
// context hints (or none under GLFW_NO_API), sharing objects with share's context when share is
// given. The window is neither moved, resized, shown nor retitled. Returns NULL after reporting
// the error through the error callback; the native window is then as it was.
//
// glfwDestroyWindow, and glfwTerminate for every window still adopted, hand the native window
// back to its owner without destroying it.
#if defined(GLFW_EXPOSE_NATIVE_WIN32)
GLFWAPI GLFWwindow* glfwAdoptNativeWindow(HWND handle, GLFWwindow* share);
#elif defined(GLFW_EXPOSE_NATIVE_X11)
GLFWAPI GLFWwindow* glfwAdoptNativeWindow(Window handle, GLFWwindow* share);
#endif

#ifdef __cplusplus
}
#endif
