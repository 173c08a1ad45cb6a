#include "platform/os_version.h"

#include <windows.h>

namespace platform {

std::uint32_t osVersionWord() {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return static_cast<std::uint32_t>(GetVersion());
#pragma GCC diagnostic pop
}

} // namespace platform
