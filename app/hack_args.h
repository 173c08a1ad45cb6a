#pragma once

#include "app/idle_switch.h"
#include "app/screensaver_args.h"

#include <string>
#include <vector>

// What a command line in the X11 screen-saver daemon's conventions asks for.
enum class HackRequest {
    // The line holds none of the daemon's switches, so it is read the Windows way.
    NotAHackLine,
    Help,
    Version,
    Run,
    // The idle watcher, which starts the full-screen saver whenever the session is idle.
    WatchIdle,
};

// What one switch of the daemon's line asks for.
enum class HackAsk { Root, WindowId, Window, Help, Version, OnIdle };

// A switch of the daemon's command-line grammar, declared once for the parser and --help. Unlike
// a setting it says which kind of line this is and where the saver draws.
struct HackSwitch {
    // Without dashes; two dashes always name it, one where oneDashToo.
    const char* name;
    bool oneDashToo;
    // Another spelling, such as "-h"; nullptr where none.
    const char* shortForm;
    HackAsk asks;
    // How --help names the value that follows the switch; nullptr where none follows.
    const char* valueName;
    const char* help;
};

// Every switch of the daemon's grammar, in the order --help lists them.
const std::vector<HackSwitch>& hackSwitches();

struct HackArgs {
    HackRequest request = HackRequest::NotAHackLine;
    // On a line that is no daemon line only the settings that every line reads are filled in.
    ScreensaverArgs saver;
    // What the idle watcher's line asks for.
    IdleSwitch idle;
};

// Reads the arguments (without the program name) by the conventions that display modes of the X11
// screen-saver daemon follow: the switches of hackSwitches(), where the last of --root, --window-id
// and --window decides, --on-idle asks for the idle watcher instead, whose line parseIdleSwitch
// reads, and help and version win over them all, and the settings of the setting table,
// each on the lines it declares. Any other option is ignored. A setting's value is the next
// argument unless that is one of the line's own switches; the window id is the next argument
// whatever it is. screensaverWindow is the value of XSCREENSAVER_WINDOW, or nullptr when it is
// unset; empty counts as unset. rootWindow is asked only when --root finds it unset.
HackArgs parseHackArgs(const std::vector<std::string>& args, const char* screensaverWindow,
                       platform::NativeWindowHandle (*rootWindow)());

// Reads an X window id written in decimal or in hex after "0x"; 0 for any other text, a sign,
// blanks and ids beyond 32 bits included.
platform::NativeWindowHandle parseWindowId(const char* text);
