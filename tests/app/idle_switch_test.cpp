#include "app/idle_switch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Line = std::vector<std::string>;

TEST(IdleSwitch, LinesWithoutItAreLeftToTheOtherReadings) {
    for (const Line& line : std::vector<Line>{{}, {"/s"}, {"--root"}, {"-on-idle", "5"}}) {
        EXPECT_FALSE(parseIdleSwitch(line).present) << line.size() << " arguments";
    }
}

TEST(IdleSwitch, TakesWholeSecondsWithinTheRange) {
    for (const auto& [text, seconds] : std::vector<std::pair<std::string, unsigned>>{
             {"1", 1}, {"600", 600}, {"86400", 86400}, {"0000060", 60}}) {
        const IdleSwitch idle = parseIdleSwitch({"--on-idle", text});
        EXPECT_TRUE(idle.present);
        EXPECT_EQ(idle.error, "") << text;
        EXPECT_EQ(idle.seconds, seconds) << text;
    }
}

TEST(IdleSwitch, AnythingElseIsOneLineNamingTheRange) {
    const std::string range = "--on-idle takes a whole number of seconds from 1 to 86400, not ";
    for (const std::string text : {"0", "86401", "1000000", "99999999999999999999999", "-5", "+5",
                                   " 5", "5s", "1.5", "0x10", ""}) {
        EXPECT_EQ(parseIdleSwitch({"--on-idle", text}).error, range + "\"" + text + "\"");
    }
    EXPECT_EQ(parseIdleSwitch({"--on-idle"}).error,
              "--on-idle needs a whole number of seconds from 1 to 86400");
    for (const Line& line : std::vector<Line>{{"--on-idle", "5", "/s"}, {"/s", "--on-idle", "5"}}) {
        const IdleSwitch idle = parseIdleSwitch(line);
        EXPECT_TRUE(idle.present);
        EXPECT_EQ(idle.error, "--on-idle <seconds> takes no other arguments");
    }
}

} // namespace
