#include "windowing/layer_shell.h"

namespace windowing {

// Windows has no Wayland compositor: its desktop is always the windowing library's.
Desktop* openLayerShellDesktop() {
    return nullptr;
}

bool waylandCompositorAnswers() {
    return false;
}

} // namespace windowing
