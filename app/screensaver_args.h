#pragma once

#include "platform/native_window.h"

#include <cstdint>

enum class SaverMode : std::int32_t {
    Preview = 0,
    Fullscreen = 1,
    Configure = 2,
    None = 3,
};

// The command line as the screen-saver machinery gave it.
struct ScreensaverArgs {
    SaverMode mode = SaverMode::None;
    platform::NativeWindowHandle parent = 0;
};

// Reads the switches "/p <handle>", "/s" and "/c" anywhere in the line; never fails.
ScreensaverArgs* parseScreensaverArgs(const char* commandLine);
