#include "app/hack_args.h"
#include "app/setting_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr platform::NativeWindowHandle kRoot = 0x2a1;

platform::NativeWindowHandle fakeRoot() {
    return kRoot;
}

HackArgs parse(std::vector<std::string> args, const char* screensaverWindow = nullptr) {
    return parseHackArgs(args, screensaverWindow, fakeRoot);
}

void expectRun(const HackArgs& hack, SaverMode mode, platform::NativeWindowHandle parent) {
    EXPECT_EQ(hack.request, HackRequest::Run);
    EXPECT_EQ(hack.saver.mode, mode);
    EXPECT_EQ(hack.saver.parent, parent);
    EXPECT_TRUE(hack.saver.hackConventions);
}

TEST(HackArgs, WindowsStyleLinesAreLeftToTheWindowsParse) {
    for (const std::vector<std::string>& line : std::vector<std::vector<std::string>>{
             {}, {"/s"}, {"/p", "1234"}, {"/c:5"}, {"-s"}, {"-fps", "/p", "5"}, {"-roots"}}) {
        EXPECT_EQ(parse(line).request, HackRequest::NotAHackLine) << line.size() << " arguments";
    }
}

TEST(HackArgs, RootTakesTheDaemonsWindowOrElseTheRootWindow) {
    expectRun(parse({"--root"}, "4194311"), SaverMode::Preview, 4194311);
    expectRun(parse({"-root"}, "0x40000b"), SaverMode::Preview, 0x40000b);
    expectRun(parse({"--root"}), SaverMode::Preview, kRoot);
    // Empty is unset, as the daemon's own display modes read it.
    expectRun(parse({"--root"}, ""), SaverMode::Preview, kRoot);
    // A variable that names no window is not the root window.
    expectRun(parse({"--root"}, "window"), SaverMode::Preview, 0);
    expectRun(parse({"--root"}, "0x0x200020"), SaverMode::Preview, 0);
}

TEST(HackArgs, TheLastWindowSwitchDecidesAndOtherOptionsAreIgnored) {
    expectRun(parse({"-window-id", "0X1F"}), SaverMode::Preview, 0x1f);
    expectRun(parse({"-window"}), SaverMode::Windowed, 0);
    expectRun(parse({"--window", "-fps", "--root"}, "7"), SaverMode::Preview, 7);
    expectRun(parse({"--root", "--window-id", "9", "/s", "--install"}), SaverMode::Preview, 9);
    // The id is the next argument whatever it looks like.
    expectRun(parse({"--window-id", "--window"}), SaverMode::Preview, 0);
    expectRun(parse({"--window-id"}), SaverMode::Preview, 0);
}

TEST(HackArgs, FpsShowsTheFrameRateOfAnyWindowSwitch) {
    EXPECT_TRUE(parse({"--root", "--fps"}).saver.settings.showFrameRate);
    EXPECT_TRUE(parse({"-fps", "-window"}).saver.settings.showFrameRate);
    EXPECT_TRUE(parse({"--window-id", "5", "-fps"}).saver.settings.showFrameRate);
    EXPECT_FALSE(parse({"--root"}).saver.settings.showFrameRate);
    EXPECT_FALSE(parse({"--root", "--fps-", "---fps"}).saver.settings.showFrameRate);
    // A Windows-style line does not read the daemon's settings.
    EXPECT_FALSE(parse({"/s", "--fps"}).saver.settings.showFrameRate);
}

TEST(HackArgs, DelayIsThePauseBetweenFramesInMicrosecondsUpToASecond) {
    EXPECT_EQ(parse({"--root", "--delay", "30000"}).saver.settings.frameDelay, 30000u);
    EXPECT_EQ(parse({"-delay", "1000000", "-window"}).saver.settings.frameDelay, 1000000u);
    EXPECT_EQ(parse({"--root"}).saver.settings.frameDelay, 0u);
    // A pause too long to wait out would freeze the picture for good.
    for (const char* value : {"1000001", "18446744073709551615", "99999999999999999999999"}) {
        EXPECT_EQ(parse({"--root", "--delay", value}).saver.settings.frameDelay, 1000000u) << value;
    }
    // Anything but digits means none, a missing value too.
    for (const char* value : {"0", "-30000", "+5", "0x10", "3e4", "1.5", ""}) {
        EXPECT_EQ(parse({"--window", "--delay", value}).saver.settings.frameDelay, 0u) << value;
    }
    EXPECT_EQ(parse({"--window", "--delay"}).saver.settings.frameDelay, 0u);
    EXPECT_EQ(parse({"--delay", "30000"}).request, HackRequest::NotAHackLine);
    EXPECT_EQ(parse({"/s", "--delay", "30000"}).saver.settings.frameDelay, 0u);
}

TEST(HackArgs, ASwitchOfTheLineIsNeverASettingsValue) {
    HackArgs hack = parse({"--window", "--delay", "--root"});
    expectRun(hack, SaverMode::Preview, kRoot);
    EXPECT_EQ(hack.saver.settings.frameDelay, 0u);
    EXPECT_TRUE(parse({"--root", "-delay", "-fps"}).saver.settings.showFrameRate);
    EXPECT_FALSE(
        parse({"--root", "--delay", "--main-monitor-only"}).saver.settings.fireOnEveryMonitor);
    EXPECT_EQ(parse({"--delay", "--version"}).request, HackRequest::Version);
}

TEST(HackArgs, MainMonitorOnlyIsReadOnEveryLine) {
    for (const std::vector<std::string>& line :
         std::vector<std::vector<std::string>>{{"/s", "--main-monitor-only"},
                                               {"-main-monitor-only"},
                                               {"/p", "5", "--main-monitor-only"}}) {
        HackArgs hack = parse(line);
        EXPECT_EQ(hack.request, HackRequest::NotAHackLine) << line.front();
        EXPECT_FALSE(hack.saver.settings.fireOnEveryMonitor) << line.front();
    }
    EXPECT_FALSE(parse({"--root", "--main-monitor-only"}).saver.settings.fireOnEveryMonitor);
    EXPECT_TRUE(parse({"/s"}).saver.settings.fireOnEveryMonitor);
    EXPECT_TRUE(parse({"--root", "--main-monitor"}).saver.settings.fireOnEveryMonitor);
}

TEST(HackArgs, OnIdleAsksForTheWatcherWhateverElseTheLineHolds) {
    HackArgs watcher = parse({"--on-idle", "240"});
    EXPECT_EQ(watcher.request, HackRequest::WatchIdle);
    EXPECT_EQ(watcher.idle.seconds, 240u);
    EXPECT_EQ(parse({"--root", "--on-idle", "5"}).request, HackRequest::WatchIdle);
    EXPECT_EQ(parse({"--on-idle", "5", "--root"}).idle.error,
              "--on-idle <seconds> takes no other arguments");
}

TEST(HackArgs, HelpAndVersionWinOverEverythingElse) {
    EXPECT_EQ(parse({"--on-idle", "5", "--help"}).request, HackRequest::Help);
    EXPECT_EQ(parse({"--root", "--help"}).request, HackRequest::Help);
    EXPECT_EQ(parse({"-h", "--version"}).request, HackRequest::Help);
    EXPECT_EQ(parse({"--version", "--window"}).request, HackRequest::Version);
}

TEST(WindowId, OnlyPlainDecimalOrHexUpTo32BitsIsAnId) {
    EXPECT_EQ(parseWindowId("4294967295"), 4294967295);
    EXPECT_EQ(parseWindowId("0xffffffff"), 0xffffffff);
    for (const char* text :
         {"", "0x", "-5", "+5", " 5", "5 ", "12ab", "0x1g", "4294967296", "0x100000000",
          "99999999999999999999999", "0x-1", "0x0x200020", "0X0x1f", "0x 1f"}) {
        EXPECT_EQ(parseWindowId(text), 0) << "\"" << text << "\"";
    }
    EXPECT_EQ(parseWindowId(nullptr), 0);
}

// The settings file and the manual page are written by hand, and so drift from the saver unless
// held to what it declares.
std::string readDocument(const char* path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::set<std::string> firstGroups(const std::string& text, const std::regex& pattern) {
    std::set<std::string> found;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), pattern);
         match != std::sregex_iterator(); ++match) {
        found.insert((*match)[1]);
    }
    return found;
}

std::set<std::string> declaredSwitches() {
    std::set<std::string> switches;
    for (const SettingDeclaration& setting : settingTable()) {
        switches.insert(std::string("--") + setting.switchName);
    }
    return switches;
}

std::string attribute(const std::string& element, const std::string& name) {
    std::smatch value;
    std::regex_search(element, value, std::regex("\\s" + name + "=\"([^\"]*)\""));
    return value[1];
}

TEST(SwitchDocuments, TheSettingsFileOffersEverySettingWithItsSlider) {
    const std::string settingsFile = readDocument(EMBERVEIL_SETTINGS_FILE);
    ASSERT_FALSE(settingsFile.empty()) << EMBERVEIL_SETTINGS_FILE;
    std::regex offered(
        R"(<(?:boolean|number|select|option)\s[^>]*\sarg(?:-set|-unset)?="(--[a-z-]+))");
    EXPECT_EQ(firstGroups(settingsFile, offered), declaredSwitches());
    for (const SettingDeclaration& setting : settingTable()) {
        if (setting.offeredAs != SettingsFileOffer::Slider) {
            continue;
        }
        std::smatch slider;
        std::string arg = std::string("arg=\"--") + setting.switchName + " %\"";
        ASSERT_TRUE(
            std::regex_search(settingsFile, slider, std::regex("<number\\s[^>]*" + arg + "[^>]*>")))
            << "no slider for " << setting.switchName;
        EXPECT_EQ(attribute(slider.str(), "low"), std::to_string(setting.slider.low));
        EXPECT_EQ(attribute(slider.str(), "high"), std::to_string(setting.slider.high));
        EXPECT_EQ(attribute(slider.str(), "default"), std::to_string(setting.slider.start));
    }
}

TEST(SwitchDocuments, TheManualPageDescribesEverySwitchOfTheDaemonsLine) {
    const std::string page = readDocument(EMBERVEIL_MANUAL_PAGE);
    std::size_t options = page.find("\n.SH OPTIONS\n");
    ASSERT_NE(options, std::string::npos) << EMBERVEIL_MANUAL_PAGE;
    std::string section = page.substr(options, page.find("\n.SH ", options + 1) - options);
    std::set<std::string> described;
    for (std::string name :
         firstGroups(section, std::regex(R"(\n\.TP\n[^\n]*?\\-\\-((?:[a-z]|\\-)+))"))) {
        described.insert("--" + std::regex_replace(name, std::regex(R"(\\-)"), "-"));
    }
    std::set<std::string> expected = declaredSwitches();
    for (const HackSwitch& hackSwitch : hackSwitches()) {
        expected.insert(std::string("--") + hackSwitch.name);
    }
    EXPECT_EQ(described, expected);
}

} // namespace
