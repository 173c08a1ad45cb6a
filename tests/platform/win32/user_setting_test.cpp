#include "platform/user_setting.h"

#include "product_info.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

constexpr const char* kKey = "Software\\" EMBERVEIL_MAKER "\\" EMBERVEIL_PRODUCT_NAME;
constexpr const char* kName = "UserSettingTest";

// A value of the saver's key, written as any program may write it: with any type and length.
class UserSettingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegDeleteValueA(key, kName);
        RegCloseKey(key);
    }
    void write(DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetValueExA(key, kName, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
    }

    HKEY key = nullptr;
};

TEST_F(UserSettingTest, OnlyADwordOfFourBytesIsSet) {
    std::uint32_t value = 99;
    EXPECT_FALSE(platform::readUserSetting(kName, &value));
    const DWORD seven = 7;
    write(REG_DWORD, &seven, sizeof seven);
    ASSERT_TRUE(platform::readUserSetting(kName, &value));
    EXPECT_EQ(value, 7u);
    // A shorter one would read zero-extended: an empty one as 0, which turns monitors black.
    for (DWORD size = 0; size < sizeof seven; ++size) {
        write(REG_DWORD, &seven, size);
        value = 99;
        EXPECT_FALSE(platform::readUserSetting(kName, &value)) << size << " bytes";
        EXPECT_EQ(value, 99u) << size << " bytes";
    }
    write(REG_SZ, "0", 2);
    EXPECT_FALSE(platform::readUserSetting(kName, &value));
}

} // namespace
