#pragma once

#include "app/settings.h"
#include "platform/native_window.h"

#include <cstdint>

enum class SaverMode : std::int32_t {
    Preview = 0,
    Fullscreen = 1,
    Configure = 2,
    None = 3,
    // An ordinary resizable window of the saver's own, for trying it on the desktop.
    Windowed = 4,
};

// The command line as the screen-saver machinery gave it, with the settings that apply.
struct ScreensaverArgs {
    SaverMode mode = SaverMode::None;
    platform::NativeWindowHandle parent = 0;
    // Started by the X11 screen-saver daemon's conventions, where the daemon owns input, the
    // cursor and the window, and runs one saver per monitor: keys and buttons do not end the
    // saver, the cursor and an adopted window's look stay as they are, and no single-instance
    // rule applies.
    bool hackConventions = false;
    Settings settings;
};

// Reads the switches "/p <handle>", "/s" and "/c" anywhere in the line; never fails.
ScreensaverArgs* parseScreensaverArgs(const char* commandLine);
