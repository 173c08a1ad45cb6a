#pragma once

#include <X11/Xlib.h>

namespace platform {

// The saver's own connection to the X server, for asking about windows it does not draw in:
// opened on first use and kept, since the preview's parent is asked about every frame. nullptr
// when there is no display.
Display* displayConnection();

} // namespace platform
