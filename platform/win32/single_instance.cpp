#include "platform/single_instance.h"

#include <string>
#include <windows.h>

namespace platform {

bool claimInstanceName(const char* name) {
    std::wstring wideName(name, name + std::char_traits<char>::length(name));
    // A manual-reset, non-signalled event; its handle is kept open on purpose so that the name
    // stays taken until the process ends.
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, wideName.c_str());
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(event);
        return false;
    }
    return true;
}

} // namespace platform
