#pragma once

namespace windowing {

// How a saver screen treats the person in front of it. The shell decides; the screen carries it
// out.
struct WindowConduct {
    // Keys and mouse buttons are noted for the shell to ask about. Without it they are left to
    // whoever owns the input.
    bool noteInput = false;
    bool hideCursor = false;
    bool showIcon = false;
    // A full-screen window gives way, iconified, when another window takes the focus; beside the
    // saver's windows on the other monitors it must stay.
    bool iconifyOnFocusLoss = true;
};

} // namespace windowing
