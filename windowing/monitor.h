#pragma once

#include <cstdint>
#include <vector>

namespace windowing {

// Names one monitor for as long as it stays connected; 0 names none.
using MonitorId = std::uintptr_t;

// A monitor as the display server reports it: where it sits on the desktop, in screen
// coordinates, its current video mode (0 where it cannot be read) and how many pixels a
// compositor gives each unit of its coordinates.
struct Monitor {
    MonitorId id = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int refreshRate = 0;
    int scale = 1;
};

// Whether a screen covering one would have to be fitted again to cover the other.
inline bool samePlaceAndMode(const Monitor& one, const Monitor& other) {
    return one.x == other.x && one.y == other.y && one.width == other.width &&
           one.height == other.height && one.refreshRate == other.refreshRate &&
           one.scale == other.scale;
}

// Every monitor the windowing library knows of now, the primary first. A library that runs reads
// the list again first, for systems that change their monitors without telling it.
std::vector<Monitor> allMonitors();

} // namespace windowing
