#pragma once

#include <cstdint>

namespace platform {

// A window of another program, as a number: an HWND on Windows, an X11 window id elsewhere.
using NativeWindowHandle = std::intptr_t;

// A window's client area: its top-left corner in screen coordinates, where the monitors are
// given, and its size.
struct ClientArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Reads where the window's client area lies and how big it is. False when the window cannot be
// read.
bool readClientArea(NativeWindowHandle window, ClientArea* area);

// True while the window exists and accepts input (Windows) or is viewable (X11).
bool isWindowEnabled(NativeWindowHandle window);

} // namespace platform
