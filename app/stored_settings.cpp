#include "app/stored_settings.h"

#include "app/setting_table.h"
#include "platform/user_setting.h"

void readStoredSettings(Settings* settings) {
    for (const SettingDeclaration& setting : settingTable()) {
        std::uint32_t value = 0;
        if (setting.registryValue != nullptr &&
            platform::readUserSetting(setting.registryValue, &value)) {
            setting.store(*settings, value);
        }
    }
}
