#include "platform/user_setting.h"

namespace platform {

// The screen-saver daemon decides on X11 what each monitor shows, so the saver needs no settings
// of its own there.
bool readUserSetting(const char*, std::uint32_t*) {
    return false;
}

} // namespace platform
