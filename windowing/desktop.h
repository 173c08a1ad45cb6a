#pragma once

#include "windowing/monitor.h"
#include "windowing/pixel_size.h"
#include "windowing/screen.h"
#include "windowing/window_conduct.h"

#include <vector>

namespace windowing {

// The desktop of the display server that the full-screen saver covers: its monitors, a screen on
// each, the events of the screens and the clock the frames are timed by. The windowing library's
// windows on X11 and Windows, or layer surfaces on a Wayland compositor that offers them.
class Desktop {
  public:
    virtual ~Desktop() = default;

    // The monitors shown now, the primary first, read afresh from the display server.
    virtual std::vector<Monitor> monitors() = 0;
    // A screen covering the monitor and drawing at size, with one black frame already shown. With
    // first, it draws with first's GL context, or with one that shares its objects, so that one
    // scene draws on every screen. nullptr, after the reason has been reported, when it cannot be
    // made.
    virtual Screen* cover(const Monitor& monitor, PixelSize size, const WindowConduct& conduct,
                          Screen* first) = 0;

    // Takes in the screens' events; input, size changes and closes are noted here.
    virtual void pollEvents() = 0;
    // As pollEvents, waiting up to seconds for the first event.
    virtual void waitEvents(double seconds) = 0;
    // Seconds on a clock that never goes back, counted from the desktop's start.
    virtual double time() const = 0;
    // False while the system keeps the displays switched off to save power. It may ask the display
    // server each time: ask seldom. A desktop whose screens say themselves when the display shows
    // them (wantsFrame) leaves it at true.
    virtual bool displaysOn() { return true; }
};

} // namespace windowing
