#include "platform/message_box.h"

#include <cstdio>

namespace platform {

// X11 screen-saver hosts show what their hacks write to standard error, so a message is one line
// there instead of a dialog that nobody could dismiss on a locked screen.
void showMessageBox(const char* text, const char* caption, MessageIcon) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::fflush(stderr);
}

} // namespace platform
