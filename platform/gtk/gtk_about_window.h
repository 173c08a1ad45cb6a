#pragma once

#include "platform/about_window.h"

namespace platform {

// Shows the About window with GTK 3 and runs GTK's main loop until the window is closed or
// Escape is pressed.
void runGtkAboutWindow(const AboutWindow& about);

} // namespace platform
