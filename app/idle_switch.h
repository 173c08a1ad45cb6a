#pragma once

#include <string>
#include <vector>

// What "--on-idle <seconds>" asks for: the idle watcher, which starts the full-screen saver each
// time the session has been idle that long.
struct IdleSwitch {
    // The line holds --on-idle, so it asks for the watcher and for nothing else.
    bool present = false;
    // How long the session is to be idle, when error is empty.
    unsigned seconds = 0;
    // One line that says why the line cannot be used as it is.
    std::string error;
};

// The fewest and the most seconds --on-idle takes: a day is longer than any delay a user means.
constexpr unsigned kMinIdleSeconds = 1;
constexpr unsigned kMaxIdleSeconds = 86400;

// Reads the arguments (without the program name): --on-idle and one whole number of seconds,
// in plain digits, from kMinIdleSeconds to kMaxIdleSeconds, and nothing else.
IdleSwitch parseIdleSwitch(const std::vector<std::string>& args);
