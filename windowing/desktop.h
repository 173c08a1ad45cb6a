#pragma once

#include "platform/native_window.h"
#include "windowing/monitor.h"
#include "windowing/pixel_size.h"
#include "windowing/screen.h"
#include "windowing/window_conduct.h"

#include <memory>
#include <vector>

namespace windowing {

// The desktop of the display server that the saver draws on: its monitors, the screens it opens,
// their events and the clock the frames are timed by. The windowing library's windows on X11 and
// Windows, or layer surfaces on a Wayland compositor that offers them.
class Desktop {
  public:
    virtual ~Desktop() = default;

    // The monitors shown now, the primary first, read afresh from the display server.
    virtual std::vector<Monitor> monitors() = 0;

    // Every screen a desktop opens has one black frame shown (unless it is never shown) and draws
    // with the GL context of the desktop's other screens, or with one that shares its objects, so
    // that one scene draws on all of them. nullptr, after the reason has been reported, when it
    // cannot be opened or the desktop has no such screen.

    // A screen covering the monitor, drawing at size.
    virtual std::unique_ptr<Screen> openOn(const Monitor& monitor, PixelSize size,
                                           const WindowConduct& conduct) = 0;
    // A window of the saver's own, titled "Emberveil": an ordinary resizable one on the desktop, or
    // one never shown, whose frames are only read back.
    virtual std::unique_ptr<Screen> openWindow(PixelSize size, const WindowConduct& conduct,
                                               bool shown);
    // A screen drawing into a window that someone else made, of the given size; the owner keeps
    // the window.
    virtual std::unique_ptr<Screen> adopt(platform::NativeWindowHandle parent, PixelSize size,
                                          const WindowConduct& conduct);

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

// What the saver asks of the desktop.
enum class DesktopUse {
    // Every monitor, each with a screen of its own: the full-screen saver.
    EveryMonitor,
    // One window: the preview's, the X11 daemon's, or one of the saver's own.
    OneWindow,
};

// Chooses the desktop once, at start: a Wayland compositor that offers layer shell when every
// monitor is to be covered, or else the windowing library's, started here, whose errors are shown
// from then on as messages captioned "Error". Where it cannot start, or nothing can be drawn on,
// the message says so.
std::unique_ptr<Desktop> openDesktop(DesktopUse use);

} // namespace windowing
