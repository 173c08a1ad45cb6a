#pragma once

#include <string>

namespace platform {

// Runs this executable once more with one argument, without a shell, and waits until it ends.
// Empty when it ended with exit code 0; otherwise one line that says how it ended.
std::string runOwnExecutable(const char* argument);

} // namespace platform
