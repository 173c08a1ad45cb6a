#pragma once

#include "render/rgb_image.h"
#include "windowing/hidden_context.h"

#include <memory>

// Renders the saver's frames headless: the saver's own scene drawn in its GL context, in a window
// that is never shown.
class FrameCapture {
  public:
    // Opens the window; frames up to this size can be captured. False when the windowing library
    // or the window could not be started.
    bool open(int maxWidth, int maxHeight);

    // Renders the frame the saver shows at this time in a viewport of this size and reads it back.
    // The size must fit the window that open() made.
    RgbImage capture(int width, int height, float time);

  private:
    std::unique_ptr<windowing::HiddenContext> context;
    bool sceneReady = false;
};
