#pragma once

#include <EGL/egl.h>

struct wl_display;
struct wl_egl_window;

namespace windowing {

// The one GL context of the saver on a Wayland compositor, which draws into the surfaces of every
// output in turn: one set of programs and buffers however many outputs there are.
class EglContext {
  public:
    // A context like the one the windowing library makes elsewhere: compatibility profile, asked
    // for as version 2.0. nullptr, after the reason has been shown as an error, when EGL cannot
    // make one.
    static EglContext* create(wl_display* display);

    ~EglContext();

    EglContext(const EglContext&) = delete;
    EglContext& operator=(const EglContext&) = delete;

    // A drawing surface on the window, current once made, whose swaps never wait for the display;
    // EGL_NO_SURFACE after the reason has been shown.
    EGLSurface createSurface(wl_egl_window* window);
    // Lets go of the surface, first of the context if it is bound to it.
    void destroySurface(EGLSurface surface);
    // Binds the context to the surface. The first time, it loads the GL entry points and sets the
    // fixed GL state, which belong to the context and so serve every surface.
    void makeCurrent(EGLSurface surface);
    // Shows the surface's frame. The surface is bound first: EGL swaps only the current one.
    void swap(EGLSurface surface);

  private:
    EglContext(EGLDisplay display, EGLConfig config, EGLContext context);

    EGLDisplay display;
    EGLConfig config;
    EGLContext context;
    bool glReady = false;
};

} // namespace windowing
