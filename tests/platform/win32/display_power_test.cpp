#include "platform/display_power.h"

#include <initguid.h>

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

namespace {

// Announces a power setting as the system does: to every window registered for it, here the
// saver's own listener, found by its class.
void announce(const GUID& setting, DWORD value) {
    HWND listener = FindWindowExA(HWND_MESSAGE, nullptr, "EmberveilDisplayPower", nullptr);
    ASSERT_NE(listener, nullptr);
    alignas(POWERBROADCAST_SETTING) unsigned char
        buffer[sizeof(POWERBROADCAST_SETTING) + sizeof(DWORD)] = {};
    auto* broadcast = reinterpret_cast<POWERBROADCAST_SETTING*>(buffer);
    broadcast->PowerSetting = setting;
    broadcast->DataLength = sizeof value;
    std::memcpy(broadcast->Data, &value, sizeof value);
    SendMessageA(listener, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                 reinterpret_cast<LPARAM>(broadcast));
}

TEST(DisplayPower, FollowsWhatTheSystemAnnouncesOfTheConsolesDisplays) {
    EXPECT_TRUE(platform::displaysOn());
    announce(GUID_CONSOLE_DISPLAY_STATE, 0);
    EXPECT_FALSE(platform::displaysOn());
    // Another setting's word is not taken for the displays'.
    announce(GUID_ACDC_POWER_SOURCE, 1);
    EXPECT_FALSE(platform::displaysOn());
    // Dimmed displays still show the fire.
    announce(GUID_CONSOLE_DISPLAY_STATE, 2);
    EXPECT_TRUE(platform::displaysOn());
    announce(GUID_CONSOLE_DISPLAY_STATE, 0);
    announce(GUID_CONSOLE_DISPLAY_STATE, 1);
    EXPECT_TRUE(platform::displaysOn());
}

} // namespace
