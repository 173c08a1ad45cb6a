#pragma once

#include "windowing/desktop.h"

#include <memory>

namespace windowing {

// The desktop of the Wayland compositor that WAYLAND_DISPLAY names, covered output by output with
// layer surfaces. nullptr where the variable is unset, no compositor answers there or it offers no
// layer shell, and on Windows: the windowing library's desktop serves there instead.
std::unique_ptr<Desktop> openCompositorDesktop();

// Whether a Wayland compositor answers where WAYLAND_DISPLAY points, layer shell or not.
bool compositorAnswers();

} // namespace windowing
