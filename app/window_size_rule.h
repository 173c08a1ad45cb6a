#pragma once

#include "app/screensaver_args.h"

struct PixelSize {
    int width = 0;
    int height = 0;
};

// Used whenever the real size cannot be read, and on systems older than version 6.0.
constexpr PixelSize kFallbackWindowSize{800, 600};

// Decides the drawing size at start-up: the preview parent's client area in preview, otherwise the
// primary monitor's video mode on OS version number 60 and later. Sizes that are missing or not
// positive give the fallback size.
PixelSize chooseWindowSize(SaverMode mode, int osVersionNumber, const PixelSize* primaryMode,
                           const PixelSize* parentClient);
