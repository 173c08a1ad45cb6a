// Usage: message_box_reader [timeout-ms]
//
// Waits up to timeout-ms (default 2000) for a modal message box of any program in this Wine
// session, prints it as "<caption>: <text>" (the same line the X11 build writes to standard error)
// and presses its OK button. Exits 0 when a box was read, 1 when none appeared in time.
#include "tests/support/win32/modal_box.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    unsigned long timeout = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 2000;
    ModalBox box;
    if (!answerModalBox(timeout, &box)) {
        return 1;
    }
    std::printf("%s: %s\n", box.caption.c_str(), box.text.c_str());
    std::fflush(stdout);
    return 0;
}
