#pragma once

#include "platform/native_window.h"

struct GLFWwindow;

// Gives the saver a library window that draws into the preview's parent window, with a context
// made from the current hints, or nullptr after the library's errors have been reported. The
// parent stays its owner's: destroying the library window hands it back.
GLFWwindow* adoptPreviewWindow(platform::NativeWindowHandle parent);
