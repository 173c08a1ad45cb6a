#pragma once

#include "windowing/desktop.h"

namespace windowing {

// The desktop as the windowing library sees it, on X11 and on Windows: a full-screen library
// window on each monitor. The library must have been started.
class LibraryDesktop : public Desktop {
  public:
    std::vector<Monitor> monitors() override;
    // first is a window this desktop made.
    Screen* cover(const Monitor& monitor, PixelSize size, const WindowConduct& conduct,
                  Screen* first) override;
    void pollEvents() override;
    void waitEvents(double seconds) override;
    double time() const override;
    bool displaysOn() override;
};

} // namespace windowing
