#include "app/hack_args.h"

#include "app/setting_table.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace {

bool names(const std::string& arg, const char* name, bool oneDashToo) {
    return arg == std::string("--") + name || (oneDashToo && arg == std::string("-") + name);
}

const HackSwitch* findHackSwitch(const std::string& arg) {
    for (const HackSwitch& hackSwitch : hackSwitches()) {
        if (names(arg, hackSwitch.name, hackSwitch.oneDashToo) ||
            (hackSwitch.shortForm != nullptr && arg == hackSwitch.shortForm)) {
            return &hackSwitch;
        }
    }
    return nullptr;
}

const SettingDeclaration* findSetting(const std::string& arg) {
    for (const SettingDeclaration& setting : settingTable()) {
        if (names(arg, setting.switchName, true)) {
            return &setting;
        }
    }
    return nullptr;
}

// Whether the text is one or more digits of the base and nothing else: strtoull alone would take
// blanks, a sign and, in hex, a second "0x" as well.
bool allDigits(const char* text, int base) {
    const char* digit = text;
    while (base == 16 ? std::isxdigit(static_cast<unsigned char>(*digit))
                      : std::isdigit(static_cast<unsigned char>(*digit))) {
        ++digit;
    }
    return digit != text && *digit == '\0';
}

// The whole number held to the range, which one too long to read exceeds; the range's lowest for
// anything but a whole number.
std::uint32_t readWholeNumber(const char* text, WholeRange range) {
    if (!allDigits(text, 10)) {
        return range.lowest;
    }
    errno = 0;
    unsigned long long value = std::strtoull(text, nullptr, 10);
    if (errno == ERANGE) {
        return range.highest;
    }
    return static_cast<std::uint32_t>(
        std::clamp<unsigned long long>(value, range.lowest, range.highest));
}

// A flag's value, or the whole number that follows the switch. A switch of the line in its place
// is the next switch, not the value: the value is missing, which reads as no whole number.
std::uint32_t readSettingValue(const SettingDeclaration& setting,
                               const std::vector<std::string>& args, std::size_t* at) {
    if (setting.valueName == nullptr) {
        return setting.flagValue;
    }
    bool missing = *at + 1 >= args.size() || findHackSwitch(args[*at + 1]) != nullptr ||
                   findSetting(args[*at + 1]) != nullptr;
    return readWholeNumber(missing ? "" : args[++*at].c_str(), setting.accepted);
}

struct GivenSetting {
    const SettingDeclaration* setting;
    std::uint32_t value;
};

// The switches of one line as they stand, before they are read as a request.
struct HackSwitches {
    bool help = false;
    bool version = false;
    bool watchIdle = false;
    // The last of --root, --window-id and --window; nullptr where none.
    const HackSwitch* target = nullptr;
    platform::NativeWindowHandle windowId = 0;
    std::vector<GivenSetting> settings;
};

void take(const HackSwitch& hackSwitch, const std::vector<std::string>& args, std::size_t* at,
          HackSwitches* switches) {
    if (hackSwitch.asks == HackAsk::Help) {
        switches->help = true;
    } else if (hackSwitch.asks == HackAsk::Version) {
        switches->version = true;
    } else if (hackSwitch.asks == HackAsk::OnIdle) {
        switches->watchIdle = true;
    } else {
        switches->target = &hackSwitch;
    }
    if (hackSwitch.asks == HackAsk::WindowId) {
        switches->windowId = *at + 1 < args.size() ? parseWindowId(args[++*at].c_str()) : 0;
    }
}

HackSwitches readSwitches(const std::vector<std::string>& args) {
    HackSwitches switches;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (const HackSwitch* hackSwitch = findHackSwitch(args[i])) {
            take(*hackSwitch, args, &i, &switches);
        } else if (const SettingDeclaration* setting = findSetting(args[i])) {
            switches.settings.push_back({setting, readSettingValue(*setting, args, &i)});
        }
    }
    return switches;
}

// The daemon's own window and the one named on the line are drawn into like a preview pane.
void readTarget(const HackSwitches& switches, const char* screensaverWindow,
                platform::NativeWindowHandle (*rootWindow)(), ScreensaverArgs* saver) {
    saver->hackConventions = true;
    if (switches.target->asks == HackAsk::Window) {
        saver->mode = SaverMode::Windowed;
        return;
    }
    saver->mode = SaverMode::Preview;
    if (switches.target->asks == HackAsk::WindowId) {
        saver->parent = switches.windowId;
    } else {
        bool unset = screensaverWindow == nullptr || *screensaverWindow == '\0';
        saver->parent = unset ? rootWindow() : parseWindowId(screensaverWindow);
    }
}

} // namespace

const std::vector<HackSwitch>& hackSwitches() {
    static const std::vector<HackSwitch> grammar = {
        {"root", true, nullptr, HackAsk::Root, nullptr,
         "draw into the window XSCREENSAVER_WINDOW names, or the root window"},
        {"window-id", true, nullptr, HackAsk::WindowId, "<id>",
         "draw into the window with this id, in decimal or 0x hex"},
        {"window", true, nullptr, HackAsk::Window, nullptr,
         "an ordinary 1280x720 window; closing it ends the saver"},
        {"help", false, "-h", HackAsk::Help, nullptr, "print this text"},
        {"version", false, nullptr, HackAsk::Version, nullptr, "print the version"},
        {"on-idle", false, nullptr, HackAsk::OnIdle, "<seconds>",
         "start the full-screen saver each time the session has been\n"
         "idle this long (1 to 86400): one saver at a time, none while a\n"
         "program inhibits idle; needs GNOME's compositor on the session bus"},
    };
    return grammar;
}

platform::NativeWindowHandle parseWindowId(const char* text) {
    if (text == nullptr) {
        return 0;
    }
    int base = 10;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text += 2;
    }
    if (!allDigits(text, base)) {
        return 0;
    }
    errno = 0;
    unsigned long long value = std::strtoull(text, nullptr, base);
    if (errno != 0 || value > 0xFFFFFFFFull) {
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
    if (switches.watchIdle) {
        hack.request = HackRequest::WatchIdle;
        hack.idle = parseIdleSwitch(args);
        return hack;
    }
    if (switches.target != nullptr) {
        hack.request = HackRequest::Run;
        readTarget(switches, screensaverWindow, rootWindow, &hack.saver);
    }
    for (const GivenSetting& given : switches.settings) {
        if (given.setting->lines == SwitchLines::EveryLine || hack.request == HackRequest::Run) {
            given.setting->store(hack.saver.settings, given.value);
        }
    }
    return hack;
}
