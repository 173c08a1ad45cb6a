#include "app/hack_args.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace {

enum class Target { None, Root, WindowId, Window };

bool isSwitch(const std::string& arg, const char* name) {
    return arg == std::string("-") + name || arg == std::string("--") + name;
}

// Reads a whole number that is all digits of the base; false for anything else, overflow included.
bool readPlainNumber(const char* text, int base, unsigned long long* value) {
    // strtoull would take leading blanks and a sign as well.
    if (!std::isxdigit(static_cast<unsigned char>(*text))) {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    *value = std::strtoull(text, &end, base);
    return errno == 0 && *end == '\0';
}

// The microseconds of --delay as seconds; 0 for anything but a whole number.
double parseDelay(const char* text) {
    unsigned long long microseconds = 0;
    if (!readPlainNumber(text, 10, &microseconds)) {
        return 0.0;
    }
    return static_cast<double>(microseconds) / 1e6;
}

// The switches of one line as they stand, before they are read as a request.
struct HackSwitches {
    bool help = false;
    bool version = false;
    bool fps = false;
    double delay = 0.0;
    Target target = Target::None;
    platform::NativeWindowHandle windowId = 0;
};

HackSwitches readSwitches(const std::vector<std::string>& args) {
    HackSwitches switches;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            switches.help = true;
        } else if (arg == "--version") {
            switches.version = true;
        } else if (isSwitch(arg, "fps")) {
            switches.fps = true;
        } else if (isSwitch(arg, "delay")) {
            switches.delay = i + 1 < args.size() ? parseDelay(args[++i].c_str()) : 0.0;
        } else if (isSwitch(arg, "root")) {
            switches.target = Target::Root;
        } else if (isSwitch(arg, "window")) {
            switches.target = Target::Window;
        } else if (isSwitch(arg, "window-id")) {
            switches.target = Target::WindowId;
            switches.windowId = i + 1 < args.size() ? parseWindowId(args[++i].c_str()) : 0;
        }
    }
    return switches;
}

} // namespace

platform::NativeWindowHandle parseWindowId(const char* text) {
    if (text == nullptr) {
        return 0;
    }
    int base = 10;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text += 2;
    }
    unsigned long long value = 0;
    if (!readPlainNumber(text, base, &value) || value > 0xFFFFFFFFull) {
        return 0;
    }
    return static_cast<platform::NativeWindowHandle>(value);
}

HackArgs parseHackArgs(const std::vector<std::string>& args, const char* screensaverWindow,
                       platform::NativeWindowHandle (*rootWindow)()) {
    const HackSwitches switches = readSwitches(args);
    HackArgs hack;
    if (switches.help || switches.version) {
        hack.request = switches.help ? HackRequest::Help : HackRequest::Version;
        return hack;
    }
    if (switches.target == Target::None) {
        return hack;
    }
    hack.request = HackRequest::Run;
    hack.saver.hackConventions = true;
    hack.saver.showFrameRate = switches.fps;
    hack.saver.frameDelay = switches.delay;
    if (switches.target == Target::Window) {
        hack.saver.mode = SaverMode::Windowed;
        return hack;
    }
    // The daemon's own window and the one named on the line are drawn into like a preview pane.
    hack.saver.mode = SaverMode::Preview;
    if (switches.target == Target::WindowId) {
        hack.saver.parent = switches.windowId;
    } else {
        bool unset = screensaverWindow == nullptr || *screensaverWindow == '\0';
        hack.saver.parent = unset ? rootWindow() : parseWindowId(screensaverWindow);
    }
    return hack;
}
