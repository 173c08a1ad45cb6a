#pragma once

#include "app/screensaver_args.h"

#include <string>
#include <vector>

// What a command line in the X11 screen-saver daemon's conventions asks for.
enum class HackRequest {
    // The line holds none of the switches below, so it is read the Windows way.
    NotAHackLine,
    Help,
    Version,
    Run,
};

struct HackArgs {
    HackRequest request = HackRequest::NotAHackLine;
    ScreensaverArgs saver;
};

// Reads the arguments (without the program name) by the conventions that display modes of the X11
// screen-saver daemon follow: --root, --window-id <id> and --window, each with one or two dashes,
// --help or -h, and --version. The last of the first three decides; help and version win over
// them. On a line that holds one of the first three, --fps (or -fps) adds the frame rate and
// --delay <microseconds> (or -delay) a pause between frames. Any other option is ignored.
// screensaverWindow is the value of XSCREENSAVER_WINDOW, or nullptr when it is unset; empty counts
// as unset. rootWindow is asked only when --root finds it unset.
HackArgs parseHackArgs(const std::vector<std::string>& args, const char* screensaverWindow,
                       platform::NativeWindowHandle (*rootWindow)());

// Reads an X window id written in decimal or in hex after "0x"; 0 for any other text, a sign,
// blanks and ids beyond 32 bits included.
platform::NativeWindowHandle parseWindowId(const char* text);
