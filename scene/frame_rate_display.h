#pragma once

#include "scene/frame_rate_meter.h"

#include <cstdint>
#include <functional>

class TextOverlay;

// The frame rate and load drawn over the fire (--fps): the main loop marks where each frame
// starts and where its drawing ends.
class FrameRateDisplay {
  public:
    // After the scene is set up, with the window's context current. clock gives seconds on a
    // clock that does not go back: the windowing library's, in the saver.
    explicit FrameRateDisplay(std::function<double()> clock);

    void startFrame();
    // Draws the last reading over the frame of this size, then waits for GL to finish it, so
    // that the load counts the drawing itself and not only the issuing of its commands.
    void finishFrame(std::int32_t width, std::int32_t height);

  private:
    std::function<double()> clock;
    FrameRateMeter meter;
    TextOverlay* overlay;
};
