#include "platform/user_setting.h"

#include "product_info.h"

#include <windows.h>

namespace platform {

// A REG_DWORD may hold fewer bytes than a DWORD; such a value is read as zero-extended, which
// would pass for a number the user chose, so it counts as not set.
bool readUserSetting(const char* name, std::uint32_t* value) {
    DWORD data = 0;
    DWORD size = sizeof data;
    LSTATUS status =
        RegGetValueA(HKEY_CURRENT_USER, "Software\\" EMBERVEIL_MAKER "\\" EMBERVEIL_PRODUCT_NAME,
                     name, RRF_RT_REG_DWORD, nullptr, &data, &size);
    if (status != ERROR_SUCCESS || size != sizeof data) {
        return false;
    }
    *value = data;
    return true;
}

} // namespace platform
