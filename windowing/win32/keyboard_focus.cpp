#include "windowing/keyboard_focus.h"

#include <windows.h>

namespace windowing {

// Windows gives the keyboard to the foreground window's thread: the saver's windows are all of
// this process. While activation passes from one program to another there is no foreground window.
FocusHolder keyboardFocusHolder(const std::vector<GLFWwindow*>&) {
    HWND foreground = GetForegroundWindow();
    if (foreground == nullptr) {
        return FocusHolder::Nobody;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(foreground, &process);
    return process == GetCurrentProcessId() ? FocusHolder::Saver : FocusHolder::Other;
}

} // namespace windowing
