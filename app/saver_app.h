#pragma once

#include "app/screensaver_args.h"
#include "windowing/gl_window.h"

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

    windowing::GlWindow* window = nullptr;
    ScreensaverArgs* args;

  private:
    void initWindowing();
    void computeWindowSize();
    void openWindow();
    void initGlState();

    // The size the window opens at, from computeWindowSize.
    PixelSize startSize;
};
