#include "app/stored_settings.h"

#include "app/setting_table.h"
#include "platform/user_setting.h"

#include <algorithm>

// A stored number is held to the setting's range as a switch's is.
void readStoredSettings(Settings* settings) {
    for (const SettingDeclaration& setting : settingTable()) {
        std::uint32_t value = 0;
        if (setting.registryValue != nullptr &&
            platform::readUserSetting(setting.registryValue, &value)) {
            setting.store(*settings,
                          std::clamp(value, setting.accepted.lowest, setting.accepted.highest));
        }
    }
}
