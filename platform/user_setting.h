#pragma once

#include <cstdint>

namespace platform {

// Reads a number the user has set for the saver: on Windows the DWORD value of this name under
// HKEY_CURRENT_USER\Software\Lumencrest\Emberveil. False when there is no such value, or it is
// not a DWORD; X11 desktops keep no settings for the saver, so there it is always false.
bool readUserSetting(const char* name, std::uint32_t* value);

} // namespace platform
