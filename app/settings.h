#pragma once

#include <cstdint>

// What the user chose for the saver, wherever the platform keeps it: on Linux the command line,
// on Windows the registry. Each one is declared, with its default, in the setting table.
struct Settings {
    // Every setting at its default.
    Settings();

    // The frames per second and the load, drawn over the picture, bottom left.
    bool showFrameRate;
    // The least pause between two frames, in microseconds.
    std::uint32_t frameDelay;
    // False keeps the fire to the primary monitor and turns the others black.
    bool fireOnEveryMonitor;
};
