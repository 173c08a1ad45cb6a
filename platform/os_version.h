#pragma once

#include <cstdint>

namespace platform {

// The operating system version in GetVersion's layout: major version in the low byte of the low
// word, minor version in its high byte.
std::uint32_t osVersionWord();

} // namespace platform
