#pragma once

#include <cstdint>

namespace platform {

// A window of another program, as a number: an HWND on Windows, an X11 window id elsewhere.
using NativeWindowHandle = std::intptr_t;

struct ClientSize {
    int width = 0;
    int height = 0;
};

// Reads the size of the window's client area. False when the window cannot be read.
bool readClientSize(NativeWindowHandle window, ClientSize* size);

// True while the window exists and accepts input (Windows) or is viewable (X11).
bool isWindowEnabled(NativeWindowHandle window);

} // namespace platform
