#pragma once

// What --help prints: every switch of both kinds of command line, the environment variable and
// the exit status.
extern const char kUsageText[];

// What --version prints, one line.
extern const char kVersionText[];
