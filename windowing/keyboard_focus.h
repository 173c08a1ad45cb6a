#pragma once

#include <vector>

struct GLFWwindow;

namespace windowing {

// Where what is typed goes now, as far as the saver is concerned.
enum class FocusHolder {
    // One of the saver's windows, or a window that frames one.
    Saver,
    // A window of another program.
    Other,
    // No window in particular: the focus is in passing, on nothing, or follows the pointer.
    Nobody,
};

// Asks the system which window has the keyboard focus and whether it is one of the saver's.
FocusHolder keyboardFocusHolder(const std::vector<GLFWwindow*>& saverWindows);

} // namespace windowing
