#include "windowing/compositor_desktop.h"

#include "windowing/wayland/layer_shell_desktop.h"

#include <wayland-client.h>

#include <cstdlib>

namespace windowing {

namespace {

// The compositor that WAYLAND_DISPLAY names. Without the variable there is none: the client
// library would try "wayland-0" instead, which belongs to whatever session made it. A name that
// is not a path lies in XDG_RUNTIME_DIR; without that, the library would fail too, but only after
// a complaint on standard error that would come before the saver's own messages.
wl_display* connectToCompositor() {
    const char* name = std::getenv("WAYLAND_DISPLAY");
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (name == nullptr || *name == '\0' ||
        (*name != '/' && (runtime == nullptr || *runtime == '\0'))) {
        return nullptr;
    }
    return wl_display_connect(name);
}

} // namespace

std::unique_ptr<Desktop> openCompositorDesktop() {
    wl_display* display = connectToCompositor();
    return display != nullptr ? LayerShellDesktop::over(display) : nullptr;
}

bool compositorAnswers() {
    wl_display* display = connectToCompositor();
    if (display == nullptr) {
        return false;
    }
    wl_display_disconnect(display);
    return true;
}

} // namespace windowing
