#pragma once

#include "windowing/desktop.h"

#include <memory>

namespace windowing {

// The saver's GL context without anything on the screen, for the tools, the benchmarks and the
// GL tests: the windowing library's desktop and a window on it that is never shown, whose context
// is current for as long as the object lives. Frames drawn in it are read back from its back
// buffer.
class HiddenContext {
  public:
    explicit HiddenContext(PixelSize size);
    // Destroys the window and ends the library.
    ~HiddenContext();

    HiddenContext(const HiddenContext&) = delete;
    HiddenContext& operator=(const HiddenContext&) = delete;

    // False when no window or context could be made (no display, no GL).
    bool valid() const { return window != nullptr; }
    PixelSize size() const { return window->drawingSize(); }

  private:
    std::unique_ptr<Desktop> desktop;
    std::unique_ptr<Screen> window;
};

} // namespace windowing
