#include "platform/native_window.h"

#include <windows.h>

namespace platform {

namespace {

HWND toHwnd(NativeWindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

} // namespace

bool readClientArea(NativeWindowHandle window, ClientArea* area) {
    RECT rect{};
    POINT origin{};
    if (!GetClientRect(toHwnd(window), &rect) || !ClientToScreen(toHwnd(window), &origin)) {
        return false;
    }
    area->x = origin.x;
    area->y = origin.y;
    area->width = rect.right - rect.left;
    area->height = rect.bottom - rect.top;
    return true;
}

bool isWindowEnabled(NativeWindowHandle window) {
    return IsWindowEnabled(toHwnd(window)) != 0;
}

} // namespace platform
