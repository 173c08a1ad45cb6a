#pragma once

#include "app/screensaver_args.h"
#include "windowing/gl_window.h"
#include "windowing/monitor.h"

#include <vector>

// The running saver: the windowing library, the window with its GL context and the fixed GL state.
// Constructing it leaves everything ready for the main loop to draw.
class SaverApp {
  public:
    // Takes the parsed command line, which the app keeps for the rest of the process.
    explicit SaverApp(ScreensaverArgs* args);

    // Major version times 10 plus minor version: 60 for 6.0, 61 for 6.1.
    static int osVersionNumber();
    // Width (which == 0) or height of the primary monitor's current mode; 0 when unknown.
    static int primaryModeSize(int which);
    // Passes the interval, cut to its low 8 bits, to the library for the current context.
    static void setSwapInterval(int interval);

    // The primary monitor's window, or the one window of the other modes. Its swaps wait for the
    // display and so set the pace of the frames.
    windowing::GlWindow* window = nullptr;
    // Full screen only: a window on each other monitor, drawing the fire of its own size, or
    // black where the user asks for one fire only.
    std::vector<windowing::GlWindow*> otherWindows;
    bool fireOnOtherMonitors = true;
    ScreensaverArgs* args;
    // Seconds between two refreshes of the display that the main window is on: frames come no
    // faster, whether or not its swaps wait for the display.
    double refreshPeriod = 0.0;

    // Gives up the windows whose monitors have been disconnected; the saver goes on with the
    // others. False once no window is left.
    bool dropWindowsOfLostMonitors();

  private:
    void initWindowing();
    void computeWindowSize();
    void openWindow();
    void adoptParent(const windowing::WindowConduct& conduct);
    void openOtherMonitorWindows(const std::vector<windowing::Monitor>& monitors,
                                 const windowing::WindowConduct& conduct);
    void initGlState();

    // The size the window opens at, from computeWindowSize.
    PixelSize startSize;
    // Whether the preview's parent was a window whose size could be read at the start.
    bool parentReadAtStart = false;
};
