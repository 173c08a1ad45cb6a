#include "platform/native_window.h"

#include <windows.h>

namespace platform {

namespace {

HWND toHwnd(NativeWindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

} // namespace

bool readClientSize(NativeWindowHandle window, ClientSize* size) {
    RECT rect{};
    if (!GetClientRect(toHwnd(window), &rect)) {
        return false;
    }
    size->width = rect.right - rect.left;
    size->height = rect.bottom - rect.top;
    return true;
}

bool isWindowEnabled(NativeWindowHandle window) {
    return IsWindowEnabled(toHwnd(window)) != 0;
}

} // namespace platform
