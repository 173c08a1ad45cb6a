#pragma once

#include "windowing/desktop.h"

namespace windowing {

// The desktop of the Wayland compositor that WAYLAND_DISPLAY names, with a layer surface on each of
// its outputs. nullptr where the variable is unset, no compositor answers there or it offers no
// layer shell, and on Windows: the windowing library's desktop serves there instead.
Desktop* openLayerShellDesktop();

// Whether a Wayland compositor answers where WAYLAND_DISPLAY points, layer shell or not.
bool waylandCompositorAnswers();

} // namespace windowing
