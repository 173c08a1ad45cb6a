#include "platform/fatal_failure.h"

#include "platform/message_box.h"

#include <cstdlib>

namespace platform {

namespace {

BeforeFatalExit beforeFatalExit = nullptr;

} // namespace

void setBeforeFatalExit(BeforeFatalExit hook) {
    beforeFatalExit = hook;
}

void failFatally(const char* text) {
    showMessageBox(text, "Debug", MessageIcon::Information);
    if (beforeFatalExit != nullptr) {
        beforeFatalExit();
    }
    std::exit(0);
}

} // namespace platform
