#pragma once

#include "windowing/desktop.h"

namespace windowing {

// The desktop as the windowing library sees it, on X11 and on Windows: a full-screen library
// window on each monitor, and every other kind of window the saver draws into. It starts the
// library and ends it, which hands adopted windows back to their owners.
class LibraryDesktop : public Desktop {
  public:
    LibraryDesktop();
    ~LibraryDesktop() override;

    LibraryDesktop(const LibraryDesktop&) = delete;
    LibraryDesktop& operator=(const LibraryDesktop&) = delete;

    // Whether the library started. When it did not, every call into it reports the library's
    // not-initialised error and does nothing, and no screen can be opened.
    bool started() const;

    std::vector<Monitor> monitors() override;
    // The new window shares the scene with the oldest full-screen window still open.
    std::unique_ptr<Screen> openOn(const Monitor& monitor, PixelSize size,
                                   const WindowConduct& conduct) override;
    std::unique_ptr<Screen> openWindow(PixelSize size, const WindowConduct& conduct,
                                       bool shown) override;
    std::unique_ptr<Screen> adopt(platform::NativeWindowHandle parent, PixelSize size,
                                  const WindowConduct& conduct) override;
    void pollEvents() override;
    void waitEvents(double seconds) override;
    double time() const override;
    bool displaysOn() override;
};

} // namespace windowing
