#include "tests/support/own_windows.h"

#include <windows.h>

#include <cstring>

namespace {

// The library's windows are of its one window class; its hidden helper window is of another.
BOOL CALLBACK countOwn(HWND window, LPARAM data) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    if (process == GetCurrentProcessId() && std::strcmp(className, "GLFW30") == 0) {
        ++*reinterpret_cast<int*>(data);
    }
    return TRUE;
}

} // namespace

int ownWindowCount() {
    int own = 0;
    EnumWindows(countOwn, reinterpret_cast<LPARAM>(&own));
    return own;
}
