#pragma once

namespace platform {

// Whether the display server of the platform's own windows answers: the X server that DISPLAY
// names, or on Windows the desktop, which always does.
bool displayServerAnswers();

} // namespace platform
