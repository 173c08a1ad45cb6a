#include "app/settings.h"

#include "app/setting_table.h"

Settings::Settings() {
    for (const SettingDeclaration& setting : settingTable()) {
        setting.store(*this, setting.defaultValue);
    }
}
