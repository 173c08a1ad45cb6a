#pragma once

#include "platform/app_instance.h"

#include <string>
#include <utility>

// The window that configuration mode shows instead of settings: product name, picture, the
// maker's lines and a button that opens the maker's web site.
class AboutWindow {
  public:
    AboutWindow(std::string caption, std::string windowClassName, std::string linkCaption,
                std::string aboutText, std::string productName)
        : caption(std::move(caption)), windowClassName(std::move(windowClassName)),
          linkCaption(std::move(linkCaption)), aboutText(std::move(aboutText)),
          productName(std::move(productName)) {}

    // Shows the window and runs its message loop; returns once it has been closed.
    void run(platform::AppInstance instance, int showCommand);

    const std::string caption;
    const std::string windowClassName;
    const std::string linkCaption;
    const std::string aboutText;
    const std::string productName;
};
