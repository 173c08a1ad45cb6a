#pragma once

#include <cstdint>

namespace platform {

// Reads a number the user has set for the saver on Windows: the DWORD value of this name under
// HKEY_CURRENT_USER\Software\Lumencrest\Emberveil. False when there is no such value, or it is
// not a DWORD of four bytes.
bool readUserSetting(const char* name, std::uint32_t* value);

} // namespace platform
