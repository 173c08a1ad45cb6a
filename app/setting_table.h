#pragma once

#include "app/settings.h"

#include <cstdint>
#include <vector>

// Which Linux command lines read a setting's switch.
enum class SwitchLines {
    // Only lines in the X11 screen-saver daemon's conventions, as the daemon's own modes read it.
    DaemonLines,
    // Every line, the Windows-style ones included.
    EveryLine,
};

// Whole numbers from lowest to highest, both included.
struct WholeRange {
    std::uint32_t lowest;
    std::uint32_t highest;
};

// How the daemon's settings file offers a setting to the user.
enum class SettingsFileOffer { Checkbox, Slider };

// The slider's ends, and where it stands until the user moves it.
struct SettingsSlider {
    std::uint32_t low;
    std::uint32_t high;
    std::uint32_t start;
};

// One setting of the saver, declared once: the Linux switches, --help and the Windows registry
// read all come from it, and the tests hold the settings file and the manual page to it.
struct SettingDeclaration {
    // The Linux switch without its dashes (it takes one or two), and the lines that read it.
    const char* switchName;
    SwitchLines lines;
    // How --help names the whole number that follows the switch; nullptr for a flag, which
    // stands alone and sets flagValue.
    const char* valueName;
    std::uint32_t flagValue;
    // The value where nothing sets it.
    std::uint32_t defaultValue;
    // A whole number beyond the range counts as its nearer end.
    WholeRange accepted;
    SettingsFileOffer offeredAs;
    // Where it is offered as a slider.
    SettingsSlider slider;
    // The DWORD value under HKEY_CURRENT_USER\Software\Lumencrest\Emberveil that holds it on
    // Windows; nullptr where Windows has none.
    const char* registryValue;
    // --help's words for it, lines broken with '\n'.
    const char* help;
    // Keeps a value read for the setting in the settings.
    void (*store)(Settings& settings, std::uint32_t value);
};

// Every setting of the saver.
const std::vector<SettingDeclaration>& settingTable();
