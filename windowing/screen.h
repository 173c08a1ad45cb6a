#pragma once

#include "windowing/monitor.h"
#include "windowing/pixel_size.h"

namespace windowing {

// One surface that the saver draws its frames into, whatever made it: a window of the windowing
// library (full screen on a monitor, adopted for the preview, on the desktop) or a Wayland layer
// surface on an output. The shell draws into each the same way and asks each the same questions.
class Screen {
  public:
    virtual ~Screen() = default;

    // Makes the screen the target of the GL calls that follow.
    virtual void makeCurrent() = 0;
    // Shows the frame drawn since the last one.
    virtual void present() = 0;
    // The size frames are drawn at, in pixels.
    virtual PixelSize drawingSize() const = 0;
    // Whether a present waits for the display's next refresh.
    virtual void setWaitsForDisplay(bool waits) = 0;
    // False while the display would not show a new frame (a surface its compositor keeps hidden);
    // the shell then draws none.
    virtual bool wantsFrame() const { return true; }

    // A key or mouse button was pressed on it, where its conduct notes input.
    virtual bool inputSeen() const = 0;
    virtual bool escapeHeld() const = 0;
    virtual bool closeRequested() const = 0;
    // Another program has taken the keyboard focus from the saver, where its conduct keeps it. Asks
    // the system only after the screen lost the focus, until the focus is found with the saver
    // again.
    virtual bool focusTaken() { return false; }
    // Takes the keyboard focus, where its conduct keeps it.
    virtual void takeFocus() {}

    // The monitor the screen covers; 0 once that monitor is gone, and for screens that cover none.
    virtual MonitorId monitor() const = 0;
    // Fits the screen to its monitor's place, mode and scale now, after the desktop changed them.
    virtual void refit(const Monitor& monitor) = 0;
};

} // namespace windowing
