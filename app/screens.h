#pragma once

#include "windowing/desktop.h"
#include "windowing/screen.h"

#include <memory>
#include <vector>

// Every screen the saver draws on, and the rules that span them. The first screen's presents wait
// for the display and so pace the frames of all; the others never wait. In full screen each
// monitor of the desktop has exactly one screen, which follows it when it moves or changes its
// mode and goes when it goes; a monitor that appears gets a screen of its own.
class Screens {
  public:
    // The full-screen saver: a screen on each of the monitors, the first (the primary) drawing at
    // firstSize and every other at its own mode; one whose mode cannot be read yet gets its screen
    // once it can. The first shows the fire; the others show it too where fireOnEveryMonitor, and
    // black otherwise.
    Screens(windowing::Desktop* desktop, const std::vector<windowing::Monitor>& monitors,
            PixelSize firstSize, const windowing::WindowConduct& conduct, bool fireOnEveryMonitor);
    // One screen of the desktop that follows no monitor (the preview, the daemon's window, a window
    // on the desktop), whose display refreshes refreshRate times a second (0 where unknown). It
    // shows the fire where showsFire, and black otherwise. None when only is nullptr.
    Screens(windowing::Desktop* desktop, std::unique_ptr<windowing::Screen> only, int refreshRate,
            bool showsFire = true);

    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    bool empty() const { return covered.empty(); }
    // The screen whose presents wait for the display; frame-wide drawing goes on it.
    windowing::Screen& pacer() const { return *covered.front().screen; }
    // Seconds between two refreshes of the pacer's display, 60 Hz where unknown or implausibly low.
    double refreshPeriod() const;

    // Has the pacer's presents wait for the display, and no other screen's, and gives the pacer the
    // keyboard focus where the screens keep it.
    void pace();
    // Whether a frame drawn now would be seen: the displays are on, as the desktop said when last
    // asked, at most once a second of now, and some screen wants a frame.
    bool showing(double now);
    // One frame on every screen that wants one, all at time for the shaders. The pacer is drawn
    // last and stays current.
    void drawFrame(float time);
    // Shows the frames drawn, the pacer's last.
    void present();

    bool inputSeen() const;
    bool escapeHeld() const;
    bool closeRequested() const;
    // Another program has taken the keyboard focus from the screens that keep it.
    bool focusTaken();

    // At most once a second of now, compares the desktop's monitors with the screens, and gives up
    // the screens of monitors that are gone. False once no screen is left.
    bool followDesktop(double now);

  private:
    struct Covering {
        std::unique_ptr<windowing::Screen> screen;
        windowing::Monitor monitor;
    };

    bool open(const windowing::Monitor& monitor, PixelSize size);
    bool dropLost();
    bool match(const std::vector<windowing::Monitor>& monitors);
    template <typename Gone> bool dropWhere(Gone gone);
    bool any(bool (windowing::Screen::*asks)() const) const;

    windowing::Desktop* desktop;
    bool followsMonitors = false;
    windowing::WindowConduct conduct;
    bool fireOnEveryMonitor = true;
    bool pacerShowsFire = true;
    // The pacer first.
    std::vector<Covering> covered;
    // Monitors that a screen could not be opened on, as they were then; the library said why once.
    std::vector<windowing::Monitor> refused;
    // The desktop's monitors as last read.
    std::vector<windowing::Monitor> seen;
    double nextLook = 0.0;
    bool displaysOn = true;
    double nextPowerLook = 0.0;
};
