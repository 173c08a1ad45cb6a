#pragma once

#include "app/screens.h"
#include "app/screensaver_args.h"
#include "platform/native_window.h"
#include "windowing/desktop.h"
#include "windowing/monitor.h"
#include "windowing/window_conduct.h"

#include <memory>
#include <vector>

// The running saver: the desktop it draws on (the windowing library's, or a Wayland compositor's),
// the screens with their GL context and the fixed GL state. Constructing it leaves everything
// ready for the main loop to draw.
class SaverApp {
  public:
    // Takes the parsed command line, which the app keeps for the rest of the process.
    explicit SaverApp(ScreensaverArgs* args);

    // Major version times 10 plus minor version: 60 for 6.0, 61 for 6.1.
    static int osVersionNumber();
    // Width (which == 0) or height of the primary monitor's mode when the saver started; 0 when
    // unknown.
    int primaryModeSize(int which) const;

    ScreensaverArgs* args;
    // Where the screens are, with the events and the clock of the frames.
    std::unique_ptr<windowing::Desktop> desktop;
    std::unique_ptr<Screens> screens;

  private:
    // The construction's steps, in order. In full screen "the window" is one on each monitor, and
    // the GL state set last is what spans the screens; each screen has its own fixed GL state and
    // cursor from the moment it opens.
    void initWindowing();
    void computeWindowSize();
    void openWindow();
    void initGlState();

    void adoptParent(const windowing::WindowConduct& conduct);
    [[noreturn]] void endPreview();
    bool parentShowsFire() const;
    // The primary monitor's refresh rate, which paces a screen that covers no monitor.
    int primaryRate() const;

    // The desktop's monitors as the saver found them, the primary first: read once.
    std::vector<windowing::Monitor> monitors;
    // The size the window opens at, from computeWindowSize.
    PixelSize startSize;
    // Whether the preview's parent was a window whose area could be read at the start, and that
    // area.
    bool parentReadAtStart = false;
    platform::ClientArea parentArea;
};
