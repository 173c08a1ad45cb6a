#include "platform/message_box.h"

#include <windows.h>

namespace platform {

void showMessageBox(const char* text, const char* caption, MessageIcon icon) {
    UINT style = MB_OK | (icon == MessageIcon::Warning ? MB_ICONWARNING : MB_ICONINFORMATION);
    MessageBoxA(nullptr, text, caption, style);
}

} // namespace platform
