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
    // The full-screen saver takes the keyboard focus when it is shown and ends when another program
    // takes it, so that nobody types into a window hidden under the fire. The focus moving between
    // the saver's own screens is no loss.
    bool keepsFocus = false;
};

} // namespace windowing
