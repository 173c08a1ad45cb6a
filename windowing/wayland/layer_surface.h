#pragma once

#include "windowing/screen.h"
#include "windowing/wayland/egl_context.h"
#include "windowing/wayland/seat_notes.h"
#include "windowing/window_conduct.h"

#include <cstdint>
#include <memory>

struct wl_callback;
struct wl_callback_listener;
struct wl_compositor;
struct wl_display;
struct wl_egl_window;
struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;
struct zwlr_layer_surface_v1_listener;

namespace windowing {

class Output;

// What a layer surface is made with: the compositor's globals, the one GL context and what the
// seats note.
struct SurfaceKit {
    wl_display* display = nullptr;
    wl_compositor* compositor = nullptr;
    zwlr_layer_shell_v1* layerShell = nullptr;
    EglContext* egl = nullptr;
    const SeatNotes* seatNotes = nullptr;
};

// A surface on the overlay layer of one output, over the whole of it and over every panel, that
// takes the keyboard while it is there: the saver's screen on a Wayland compositor. It draws at
// the size the compositor gives it times the output's scale, and wants a frame only once the
// compositor has shown the last one, so that an output nobody sees gets none.
class LayerSurface : public Screen {
  public:
    // Configured by the compositor, current, with one black frame shown. nullptr, after the reason
    // has been shown as an error, where the compositor closes it at once or EGL cannot draw into
    // it.
    static std::unique_ptr<LayerSurface> open(const SurfaceKit& kit, Output& output,
                                              const WindowConduct& conduct);

    ~LayerSurface() override;

    LayerSurface(const LayerSurface&) = delete;
    LayerSurface& operator=(const LayerSurface&) = delete;

    void makeCurrent() override;
    void present() override;
    PixelSize drawingSize() const override { return size; }
    // Presents never wait for the display: frame callbacks pace each surface on its own.
    void setWaitsForDisplay(bool) override {}
    bool wantsFrame() const override;
    // The seats tell of every surface alike: the compositor sends the saver only what happens on
    // its own surfaces.
    bool inputSeen() const override { return conduct.noteInput && seatNotes.pressed; }
    bool escapeHeld() const override { return seatNotes.escapeHeld; }
    bool closeRequested() const override { return closed; }
    MonitorId monitor() const override;
    // The compositor resizes the surface itself, through a configure event; the scale is the
    // saver's to follow.
    void refit(const Monitor& monitor) override;

    // The output is gone; the compositor closes the surface, if it has not yet.
    void loseOutput() { output = nullptr; }

  private:
    LayerSurface(const SurfaceKit& kit, Output& output, const WindowConduct& conduct);

    // Draws at the output's scale from the next frame on.
    void rescale();

    bool awaitConfigure(wl_display* display);
    bool attachEgl();

    static void onConfigure(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial,
                            std::uint32_t width, std::uint32_t height);
    static void onClosed(void* data, zwlr_layer_surface_v1* layer);
    static void onFrameDone(void* data, wl_callback* callback, std::uint32_t time);

    static const zwlr_layer_surface_v1_listener layerListener;
    static const wl_callback_listener frameListener;

    EglContext& egl;
    const SeatNotes& seatNotes;
    Output* output;
    WindowConduct conduct;
    wl_surface* surface;
    zwlr_layer_surface_v1* layer;
    wl_egl_window* window = nullptr;
    EGLSurface eglSurface = EGL_NO_SURFACE;
    wl_callback* frameCallback = nullptr;
    // In surface coordinates, as configured; size is in pixels, at scale.
    PixelSize logical;
    PixelSize size;
    bool configured = false;
    bool closed = false;
};

} // namespace windowing
