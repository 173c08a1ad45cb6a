#include "windowing/wayland/egl_context.h"

#include "platform/message_box.h"
#include "render/gl_state.h"

// The loader's header comes before EGL's GL headers could bring in gl.h.
#include <GL/glew.h>

#include <EGL/eglext.h>
#include <wayland-egl.h>

#include <cstdio>

namespace windowing {

namespace {

// Shown as the windowing library's own errors are, with EGL's error code.
void showEglError(const char* call) {
    char text[96];
    std::snprintf(text, sizeof text, "EGL: %s failed (0x%04X)", call,
                  static_cast<unsigned>(eglGetError()));
    platform::showMessageBox(text, "Error", platform::MessageIcon::Information);
}

// Eight bits a colour and no alpha: a surface with alpha would let the desktop show through where
// the fire's blending leaves the framebuffer's alpha below one. Nothing uses depth or stencil,
// which a software renderer would keep as an output-sized buffer each.
bool chooseConfig(EGLDisplay display, EGLConfig* chosen) {
    // clang-format off
    const EGLint attributes[] = {
        EGL_SURFACE_TYPE, EGL_WINDOW_BIT,
        EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
        EGL_RED_SIZE, 8,
        EGL_GREEN_SIZE, 8,
        EGL_BLUE_SIZE, 8,
        EGL_NONE};
    // clang-format on
    EGLConfig configs[64];
    EGLint count = 0;
    if (!eglChooseConfig(display, attributes, configs, 64, &count) || count == 0) {
        return false;
    }
    *chosen = configs[0];
    for (EGLint index = 0; index < count; ++index) {
        EGLint alpha = 0;
        eglGetConfigAttrib(display, configs[index], EGL_ALPHA_SIZE, &alpha);
        if (alpha == 0) {
            *chosen = configs[index];
            return true;
        }
    }
    return true;
}

EGLContext createContext(EGLDisplay display, EGLConfig config) {
    // clang-format off
    const EGLint attributes[] = {
        EGL_CONTEXT_MAJOR_VERSION, 2,
        EGL_CONTEXT_MINOR_VERSION, 0,
        EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
        EGL_NONE};
    // clang-format on
    return eglCreateContext(display, config, EGL_NO_CONTEXT, attributes);
}

} // namespace

EglContext* EglContext::create(wl_display* wayland) {
    EGLDisplay display = eglGetPlatformDisplay(EGL_PLATFORM_WAYLAND_KHR, wayland, nullptr);
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) {
        showEglError("eglInitialize");
        return nullptr;
    }
    EGLConfig config = nullptr;
    if (!eglBindAPI(EGL_OPENGL_API) || !chooseConfig(display, &config)) {
        showEglError("eglChooseConfig");
        return nullptr;
    }
    EGLContext context = createContext(display, config);
    if (context == EGL_NO_CONTEXT) {
        showEglError("eglCreateContext");
        return nullptr;
    }
    return new EglContext(display, config, context);
}

EglContext::EglContext(EGLDisplay display, EGLConfig config, EGLContext context)
    : display(display), config(config), context(context) {}

EglContext::~EglContext() {
    eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(display, context);
    eglTerminate(display);
}

// A swap must never wait for an output that the compositor does not show; the surfaces' frame
// callbacks pace the frames instead.
EGLSurface EglContext::createSurface(wl_egl_window* window) {
    EGLSurface surface = eglCreatePlatformWindowSurface(display, config, window, nullptr);
    if (surface == EGL_NO_SURFACE) {
        showEglError("eglCreatePlatformWindowSurface");
        return surface;
    }
    makeCurrent(surface);
    eglSwapInterval(display, 0);
    return surface;
}

void EglContext::destroySurface(EGLSurface surface) {
    if (eglGetCurrentSurface(EGL_DRAW) == surface) {
        eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    }
    eglDestroySurface(display, surface);
}

// GLEW as Debian builds it looks the entry points up through GLX. Without an X display glewInit
// reports failure (GLEW_ERROR_NO_GLX_DISPLAY), yet the lookups go through the GL dispatch that
// GLX and EGL share, so every entry point is loaded for this EGL context and works; the result
// is not checked, as everywhere else.
void EglContext::makeCurrent(EGLSurface surface) {
    eglMakeCurrent(display, surface, surface, context);
    if (!glReady) {
        glReady = true;
        glewInit();
        applyFixedGlState();
    }
}

void EglContext::swap(EGLSurface surface) {
    makeCurrent(surface);
    eglSwapBuffers(display, surface);
}

} // namespace windowing
