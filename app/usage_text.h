#pragma once

#include <string>

// What --help prints: every switch of both kinds of command line, the settings with their ranges,
// the environment variable and the exit status.
std::string usageText();

// What --version prints, one line.
extern const char kVersionText[];
