#include "app/usage_text.h"

#include "app/hack_args.h"
#include "app/setting_table.h"
#include "product_info.h"

namespace {

constexpr std::size_t kHelpColumn = 20;
constexpr std::size_t kLineWidth = 79;

// "  NAME  HELP", the help in its column and on a line of its own where the name reaches it.
std::string entry(const std::string& name, const std::string& help) {
    std::string text = "  " + name;
    text += text.size() + 2 > kHelpColumn ? "\n" + std::string(kHelpColumn, ' ')
                                          : std::string(kHelpColumn - text.size(), ' ');
    for (char c : help) {
        text += c == '\n' ? "\n" + std::string(kHelpColumn, ' ') : std::string(1, c);
    }
    return text + "\n";
}

std::string spelled(const char* name, const char* valueName) {
    return std::string("--") + name + (valueName != nullptr ? std::string(" ") + valueName : "");
}

// The usage line's words, broken before the line grows too wide.
std::string usageLine(const std::string& start, const std::vector<std::string>& words) {
    std::string text = start;
    std::size_t lineStart = 0;
    for (const std::string& word : words) {
        if (text.size() - lineStart + 1 + word.size() > kLineWidth) {
            lineStart = text.size() + 1;
            text += "\n" + std::string(start.size() + 1, ' ') + word;
        } else {
            text += " " + word;
        }
    }
    return text + "\n";
}

// The idle watcher's switch, which has a usage line and a section of its own.
const HackSwitch& watcherSwitch() {
    for (const HackSwitch& hackSwitch : hackSwitches()) {
        if (hackSwitch.asks == HackAsk::OnIdle) {
            return hackSwitch;
        }
    }
    return hackSwitches().front();
}

std::string spelled(const HackSwitch& hackSwitch) {
    return spelled(hackSwitch.name, hackSwitch.valueName);
}

std::string usageLines() {
    std::vector<std::string> windowsLine{"[/s | /p <id> | /c]"};
    std::vector<std::string> daemonLine{"[--root | --window-id <id> | --window]"};
    for (const SettingDeclaration& setting : settingTable()) {
        std::string word = "[" + spelled(setting.switchName, setting.valueName) + "]";
        if (setting.lines == SwitchLines::EveryLine) {
            windowsLine.push_back(word);
        }
        daemonLine.push_back(word);
    }
    return usageLine("Usage: emberveil", windowsLine) + usageLine("       emberveil", daemonLine) +
           "       emberveil [--help | --version]\n" + "       emberveil " +
           spelled(watcherSwitch()) + "\n";
}

std::string daemonSwitches() {
    std::string text = "X11 screen-saver daemon switches (all but --help and --version also with "
                       "one dash):\n";
    for (const HackSwitch& hackSwitch : hackSwitches()) {
        if (hackSwitch.asks == HackAsk::OnIdle) {
            continue;
        }
        std::string name = spelled(hackSwitch);
        if (hackSwitch.shortForm != nullptr) {
            name += std::string(", ") + hackSwitch.shortForm;
        }
        text += entry(name, hackSwitch.help);
    }
    return text + "A command line that holds any of these is read this way, and its options\n"
                  "other than these and the settings below are ignored. The daemon owns\n"
                  "input: keys and buttons do not end the saver, SIGTERM does.\n";
}

std::string idleWatcher() {
    return "Idle watcher, for GNOME sessions:\n" +
           entry(spelled(watcherSwitch()), watcherSwitch().help);
}

std::string settings() {
    std::string text = "Settings (also with one dash; a switch never counts as a value):\n";
    for (const SettingDeclaration& setting : settingTable()) {
        std::string help = setting.help;
        if (setting.valueName != nullptr) {
            help += "\n" + std::to_string(setting.accepted.lowest) + " to " +
                    std::to_string(setting.accepted.highest) + " (beyond: the nearer end), " +
                    std::to_string(setting.defaultValue) + " by default";
        }
        text += entry(spelled(setting.switchName, setting.valueName), help);
    }
    return text;
}

} // namespace

std::string usageText() {
    return usageLines() +
           "\n"
           "Emberveil draws a burning fire.\n"
           "\n"
           "Screen-saver switches, as the Windows screen-saver machinery passes them:\n" +
           entry("(none)", "full screen, unless another saver started this way runs on the\n"
                           "display") +
           entry("/s", "full screen on every monitor (on Wayland, every output)") +
           entry("/p <id>", "preview: draw into the X window with this decimal id") +
           entry("/c", "configure: the About window; the settings are switches") +
           "Keys, mouse buttons and another program taking the keyboard focus end a saver\n"
           "started this way.\n"
           "\n" +
           daemonSwitches() + "\n" + settings() + "\n" + idleWatcher() +
           "\n"
           "Environment:\n"
           "  XSCREENSAVER_WINDOW  the window --root draws into, in decimal or 0x hex; empty is "
           "unset\n"
           "\n"
           "Exit status: 0, however the saver ends.\n";
}

const char kVersionText[] = EMBERVEIL_PRODUCT_NAME " " EMBERVEIL_VERSION_TEXT "\n";
