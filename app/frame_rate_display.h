#pragma once

#include "app/frame_rate_meter.h"
#include "windowing/pixel_size.h"

class GLFWTextOverlay;

// The frame rate and load drawn over the fire (--fps): the main loop marks where each frame
// starts and where its drawing ends.
class FrameRateDisplay {
  public:
    // After the scene is set up, with the window's context current.
    FrameRateDisplay();

    void startFrame();
    // Draws the last reading over the frame of this size, then waits for GL to finish it, so
    // that the load counts the drawing itself and not only the issuing of its commands.
    void finishFrame(PixelSize size);

  private:
    FrameRateMeter meter;
    GLFWTextOverlay* overlay;
};
