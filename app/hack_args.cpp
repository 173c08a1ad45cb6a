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
    bool help = false;
    bool version = false;
    bool fps = false;
    double delay = 0.0;
    Target target = Target::None;
    platform::NativeWindowHandle windowId = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (isSwitch(arg, "fps")) {
            fps = true;
        } else if (isSwitch(arg, "delay")) {
            delay = i + 1 < args.size() ? parseDelay(args[++i].c_str()) : 0.0;
        } else if (isSwitch(arg, "root")) {
            target = Target::Root;
        } else if (isSwitch(arg, "window")) {
            target = Target::Window;
        } else if (isSwitch(arg, "window-id")) {
            target = Target::WindowId;
            windowId = i + 1 < args.size() ? parseWindowId(args[++i].c_str()) : 0;
        }
    }

    HackArgs hack;
    if (help || version) {
        hack.request = help ? HackRequest::Help : HackRequest::Version;
        return hack;
    }
    if (target == Target::None) {
        return hack;
    }
    hack.request = HackRequest::Run;
    hack.saver.hackConventions = true;
    hack.saver.showFrameRate = fps;
    hack.saver.frameDelay = delay;
    if (target == Target::Window) {
        hack.saver.mode = SaverMode::Windowed;
        return hack;
    }
    // The daemon's own window and the one named on the line are drawn into like a preview pane.
    hack.saver.mode = SaverMode::Preview;
    if (target == Target::WindowId) {
        hack.saver.parent = windowId;
    } else {
        bool unset = screensaverWindow == nullptr || *screensaverWindow == '\0';
        hack.saver.parent = unset ? rootWindow() : parseWindowId(screensaverWindow);
    }
    return hack;
}
