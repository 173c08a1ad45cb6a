#pragma once

#include "app/screensaver_args.h"
#include "windowing/pixel_size.h"

#include <cstdint>

// The version number the size rule compares with 60: the major version times 10 plus the minor
// version, read from a version word in GetVersion's layout (major in the low byte of the low
// word, minor in its high byte; the high word holds the build number).
int osVersionNumberFromWord(std::uint32_t versionWord);

// Used whenever the real size cannot be read, and on systems older than version 6.0.
constexpr PixelSize kFallbackWindowSize{800, 600};

// The window that the Windowed mode opens on the desktop.
constexpr PixelSize kDesktopWindowSize{1280, 720};

// Decides the drawing size at start-up: the preview parent's client area in preview, the desktop
// window's size in Windowed mode, otherwise the primary monitor's video mode on OS version number
// 60 and later. Sizes that are missing or not positive give the fallback size.
PixelSize chooseWindowSize(SaverMode mode, int osVersionNumber, const PixelSize* primaryMode,
                           const PixelSize* parentClient);
