#include "app/setting_table.h"

#include <type_traits>

namespace {

template <auto field> void store(Settings& settings, std::uint32_t value) {
    using Field = std::remove_reference_t<decltype(settings.*field)>;
    settings.*field = static_cast<Field>(value);
}

} // namespace

// The daemon's GL modes offer their frame rate the same way: a checkbox for the figures and a
// slider for the pause, whose end is a tenth of a second; a second at most keeps a mistyped pause
// from freezing the picture.
const std::vector<SettingDeclaration>& settingTable() {
    static const std::vector<SettingDeclaration> table = {
        {"fps",                       // switchName
         SwitchLines::DaemonLines,    // lines
         nullptr,                     // valueName: a flag
         1,                           // flagValue
         0,                           // defaultValue
         {0, 1},                      // accepted
         SettingsFileOffer::Checkbox, // offeredAs
         {},                          // slider
         nullptr,                     // registryValue
         "on a daemon line: the frames per second and the share of the time\n"
         "spent drawing, bottom left, once a second",
         &store<&Settings::showFrameRate>},
        {"delay",                   // switchName
         SwitchLines::DaemonLines,  // lines
         "<us>",                    // valueName
         0,                         // flagValue
         0,                         // defaultValue
         {0, 1000000},              // accepted
         SettingsFileOffer::Slider, // offeredAs
         {0, 100000, 30000},        // slider
         nullptr,                   // registryValue
         "on a daemon line: a pause of this many microseconds between frames;\n"
         "anything but a whole number means 0. Frames never come faster than\n"
         "the display refreshes, with or without it",
         &store<&Settings::frameDelay>},
        {"main-monitor-only",         // switchName
         SwitchLines::EveryLine,      // lines
         nullptr,                     // valueName: a flag
         0,                           // flagValue
         1,                           // defaultValue
         {0, 1},                      // accepted
         SettingsFileOffer::Checkbox, // offeredAs
         {},                          // slider
         "FireOnEveryMonitor",        // registryValue
         "on any line: the fire on the primary monitor only (on Wayland the\n"
         "first output), the others black; under --root or --window-id, black\n"
         "unless the window lies on the primary monitor",
         &store<&Settings::fireOnEveryMonitor>},
    };
    return table;
}
