#include "platform/os_version.h"

namespace platform {

// X11 desktops always get the monitor-sized window, as current Windows versions do; 10.0 is
// reported so the size rule takes that branch.
std::uint32_t osVersionWord() {
    return 10u;
}

} // namespace platform
