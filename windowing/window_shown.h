#pragma once

struct GLFWwindow;

namespace windowing {

// Whether a frame drawn into the window could be seen: not while the window, or a window it is
// part of, is hidden or minimised.
bool windowShown(GLFWwindow* window);

} // namespace windowing
