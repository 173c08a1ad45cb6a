#include "app/hack_args.h"
#include "app/idle_watcher.h"
#include "app/startup.h"
#include "app/usage_text.h"
#include "platform/x11/outside_end.h"
#include "platform/x11/root_window.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// X11 hosts pass the switches as separate arguments. A line with --on-idle runs the idle watcher
// that starts the saver. A line that holds a switch of the X11 screen-saver daemon's conventions
// is read by them; any other line, joined with single spaces, reads exactly like the Windows
// command line, with the settings that every line takes.
int main(int argc, char** argv) {
    platform::endQuietlyFromOutside();
    std::vector<std::string> args(argv + 1, argv + argc);
    HackArgs hack = parseHackArgs(args, std::getenv("XSCREENSAVER_WINDOW"), platform::rootWindow);
    switch (hack.request) {
    case HackRequest::Help:
        std::fputs(usageText().c_str(), stdout);
        return 0;
    case HackRequest::Version:
        std::fputs(kVersionText, stdout);
        return 0;
    case HackRequest::Run:
        return runSaver(new ScreensaverArgs(hack.saver), nullptr, 0);
    case HackRequest::WatchIdle:
        return runIdleWatcher(hack.idle);
    case HackRequest::NotAHackLine:
        break;
    }
    std::string commandLine;
    for (const std::string& arg : args) {
        if (!commandLine.empty()) {
            commandLine += ' ';
        }
        commandLine += arg;
    }
    ScreensaverArgs* saver = parseScreensaverArgs(commandLine.c_str());
    saver->settings = hack.saver.settings;
    return runSaver(saver, nullptr, 0);
}
