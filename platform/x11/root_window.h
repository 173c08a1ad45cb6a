#pragma once

#include "platform/native_window.h"

namespace platform {

// The root window of the default screen, which the daemon's --root draws into when it names no
// window of its own; 0 when there is no display to ask.
NativeWindowHandle rootWindow();

} // namespace platform
