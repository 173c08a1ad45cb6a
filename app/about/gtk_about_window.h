#pragma once

#include <string>

namespace about {

// The About window's five texts, as the saver hands them over.
struct AboutTexts {
    std::string caption;
    std::string windowClassName;
    std::string linkCaption;
    std::string aboutText;
    std::string productName;
};

// Shows the About window with GTK 3 and runs GTK's main loop until the window is closed or
// Escape is pressed.
void runGtkAboutWindow(const AboutTexts& about);

} // namespace about
