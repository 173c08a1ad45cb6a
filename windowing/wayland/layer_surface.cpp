#include "windowing/wayland/layer_surface.h"

#include "platform/message_box.h"
#include "windowing/wayland/layer_shell_protocol.h"
#include "windowing/wayland/output.h"

#include <GL/glew.h>

#include <wayland-client.h>
#include <wayland-egl.h>

#include <algorithm>

namespace windowing {

namespace {

constexpr const char* kNamespace = "emberveil";

LayerSurface* from(void* data) {
    return static_cast<LayerSurface*>(data);
}

} // namespace

const zwlr_layer_surface_v1_listener LayerSurface::layerListener = {onConfigure, onClosed};
const wl_callback_listener LayerSurface::frameListener = {onFrameDone};

std::unique_ptr<LayerSurface> LayerSurface::open(const SurfaceKit& kit, Output& output,
                                                 const WindowConduct& conduct) {
    std::unique_ptr<LayerSurface> opened(new LayerSurface(kit, output, conduct));
    if (!opened->awaitConfigure(kit.display) || !opened->attachEgl()) {
        return nullptr;
    }
    // The desktop is hidden as soon as the surface is there, long before the first fire frame.
    glClear(GL_COLOR_BUFFER_BIT);
    opened->present();
    return opened;
}

// Anchored to all four edges at size 0 the surface is as large as the output; an exclusive zone
// of -1 puts it over the space that panels keep for themselves.
LayerSurface::LayerSurface(const SurfaceKit& kit, Output& output, const WindowConduct& conduct)
    : egl(*kit.egl), seatNotes(*kit.seatNotes), output(&output), conduct(conduct),
      surface(wl_compositor_create_surface(kit.compositor)),
      layer(zwlr_layer_shell_v1_get_layer_surface(kit.layerShell, surface, output.proxy(),
                                                  ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, kNamespace)) {
    output.surface = this;
    zwlr_layer_surface_v1_add_listener(layer, &layerListener, this);
    zwlr_layer_surface_v1_set_anchor(
        layer, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                   ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    zwlr_layer_surface_v1_set_size(layer, 0, 0);
    zwlr_layer_surface_v1_set_exclusive_zone(layer, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        layer, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE);
    wl_surface_commit(surface);
}

LayerSurface::~LayerSurface() {
    if (output != nullptr) {
        output->surface = nullptr;
    }
    if (frameCallback != nullptr) {
        wl_callback_destroy(frameCallback);
    }
    if (eglSurface != EGL_NO_SURFACE) {
        egl.destroySurface(eglSurface);
    }
    if (window != nullptr) {
        wl_egl_window_destroy(window);
    }
    zwlr_layer_surface_v1_destroy(layer);
    wl_surface_destroy(surface);
}

// The compositor answers the first commit with the size; it may also close the surface at once.
bool LayerSurface::awaitConfigure(wl_display* display) {
    while (!configured && !closed) {
        if (wl_display_dispatch(display) < 0) {
            break;
        }
    }
    if (!configured) {
        platform::showMessageBox("Wayland: the compositor gave the saver no surface", "Error",
                                 platform::MessageIcon::Information);
    }
    return configured;
}

bool LayerSurface::attachEgl() {
    window = wl_egl_window_create(surface, size.width, size.height);
    eglSurface = egl.createSurface(window);
    return eglSurface != EGL_NO_SURFACE;
}

void LayerSurface::makeCurrent() {
    egl.makeCurrent(eglSurface);
}

// The frame callback is asked for before the swap, which commits it with the frame.
void LayerSurface::present() {
    if (frameCallback != nullptr) {
        wl_callback_destroy(frameCallback);
    }
    frameCallback = wl_surface_frame(surface);
    wl_callback_add_listener(frameCallback, &frameListener, this);
    egl.swap(eglSurface);
}

bool LayerSurface::wantsFrame() const {
    return configured && frameCallback == nullptr;
}

MonitorId LayerSurface::monitor() const {
    return output != nullptr ? output->monitor().id : 0;
}

void LayerSurface::refit(const Monitor&) {
    rescale();
}

// The buffer scale and the new buffer size take effect together, with the next frame's commit.
void LayerSurface::rescale() {
    int scale = output != nullptr ? output->scale() : 1;
    size = {logical.width * scale, logical.height * scale};
    wl_surface_set_buffer_scale(surface, scale);
    if (window != nullptr) {
        wl_egl_window_resize(window, size.width, size.height, 0, 0);
    }
}

void LayerSurface::onConfigure(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial,
                               std::uint32_t width, std::uint32_t height) {
    LayerSurface* configured = from(data);
    zwlr_layer_surface_v1_ack_configure(layer, serial);
    configured->logical = {static_cast<int>(width), static_cast<int>(height)};
    configured->configured = true;
    configured->rescale();
}

void LayerSurface::onClosed(void* data, zwlr_layer_surface_v1*) {
    from(data)->closed = true;
}

void LayerSurface::onFrameDone(void* data, wl_callback* callback, std::uint32_t) {
    wl_callback_destroy(callback);
    from(data)->frameCallback = nullptr;
}

} // namespace windowing
