#pragma once

#include "platform/native_window.h"
#include "windowing/monitor.h"
#include "windowing/pixel_size.h"

struct GLFWwindow;

namespace windowing {

// How a saver window treats the person in front of it. The shell decides; the window carries it
// out.
struct WindowConduct {
    // Runs for every key and mouse-button event. Without it keys and buttons are left to whoever
    // owns the input, and no handler of the saver's sees them.
    void (*onInput)() = nullptr;
    bool hideCursor = false;
    bool showIcon = false;
    // A full-screen window gives way, iconified, when another window takes the focus; beside the
    // saver's windows on the other monitors it must stay.
    bool iconifyOnFocusLoss = true;
};

// A window of the windowing library with the saver's GL context: made with the saver's hints,
// current once made, with its entry points loaded and the fixed GL state set. Every library window
// of the project is made here, so that all of them draw alike.
class GlWindow {
  public:
    // A full-screen window on the monitor (a plain one when the monitor has no handle), titled
    // "Emberveil", at the given size. With share, the new window draws with share's context
    // where the platform allows it, or else with a context that shares its GL objects, so that
    // one scene draws in both; it has no depth or stencil buffer.
    static GlWindow* openFullScreen(const Monitor& monitor, PixelSize size,
                                    const WindowConduct& conduct, const GlWindow* share = nullptr);
    // An ordinary resizable window on the desktop, titled "Emberveil".
    static GlWindow* openOnDesktop(PixelSize size, const WindowConduct& conduct);
    // Draws into a window that someone else made, of the given size; the owner keeps it.
    static GlWindow* adopt(platform::NativeWindowHandle parent, PixelSize size,
                           const WindowConduct& conduct);
    // A window that is never shown, for drawing frames that are only read back.
    static GlWindow* openHidden(PixelSize size);

    // The open functions give nullptr, after the library has reported why, when they fail.

    // Destroys the window, or hands an adopted one back to its owner. A window whose context others
    // still draw with is only hidden, so that their drawing goes on.
    ~GlWindow();

    GlWindow(const GlWindow&) = delete;
    GlWindow& operator=(const GlWindow&) = delete;

    // Makes the window the target of the GL calls that follow.
    void makeCurrent();
    // Shows the frame drawn since the last one.
    void present();
    // The size frames are drawn at: the size it was opened at until the library reports another.
    PixelSize drawingSize() const { return size; }
    bool escapeHeld() const;
    bool closeRequested() const;
    // The refresh rate of the monitor the window is full screen on, or else of the primary
    // monitor; 0 where the library cannot tell.
    int refreshRate() const;
    // True once the monitor the window was full-screen on has been disconnected; the library has
    // then made it an ordinary window somewhere on the others.
    bool monitorLost() const { return lost; }
    // Asks the window to close, as its close button would.
    void requestClose();

    // The library's own window, for code that tests the library itself.
    GLFWwindow* libraryWindow() const { return window; }

  private:
    GlWindow(GLFWwindow* window, GLFWmonitor* monitor, PixelSize size,
             const WindowConduct& conduct);

    static GlWindow* bringUp(GLFWwindow* window, GLFWmonitor* monitor, PixelSize size,
                             const WindowConduct& conduct);
    static void onMonitor(GLFWmonitor* monitor, int event);
    static void onWindowSize(GLFWwindow* window, int width, int height);
    static void onKey(GLFWwindow* window, int key, int scancode, int action, int mods);
    static void onMouseButton(GLFWwindow* window, int button, int action, int mods);
    static void onCursorPos(GLFWwindow* window, double x, double y);
    static void onScroll(GLFWwindow* window, double x, double y);

    GLFWwindow* window;
    // The library window whose context this one draws with, if not its own. It outlives its
    // GlWindow while this one draws with it.
    GLFWwindow* lender = nullptr;
    GLFWmonitor* monitor;
    PixelSize size;
    WindowConduct conduct;
    bool lost = false;
};

} // namespace windowing
