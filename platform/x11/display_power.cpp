#include "platform/display_power.h"

#include "platform/x11/display_connection.h"

#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>

namespace platform {

// A server without the DPMS extension, or with its power saving disabled, never switches its
// monitors off.
bool displaysOn() {
    Display* display = displayConnection();
    int eventBase = 0;
    int errorBase = 0;
    if (display == nullptr || !DPMSQueryExtension(display, &eventBase, &errorBase)) {
        return true;
    }
    CARD16 level = DPMSModeOn;
    BOOL enabled = False;
    if (!DPMSInfo(display, &level, &enabled)) {
        return true;
    }
    return !enabled || level == DPMSModeOn;
}

} // namespace platform
