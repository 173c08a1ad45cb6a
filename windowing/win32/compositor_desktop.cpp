#include "windowing/compositor_desktop.h"

namespace windowing {

// Windows has no Wayland compositor: its desktop is always the windowing library's.
std::unique_ptr<Desktop> openCompositorDesktop() {
    return nullptr;
}

bool compositorAnswers() {
    return false;
}

} // namespace windowing
