#pragma once

#include "platform/native_window.h"
#include "windowing/monitor.h"
#include "windowing/screen.h"
#include "windowing/window_conduct.h"

#include <memory>
#include <vector>

struct GLFWwindow;

namespace windowing {

// A window of the windowing library with the saver's GL context: made with the saver's hints,
// current once made, with its entry points loaded and the fixed GL state set. Every library window
// of the project is made here, so that all of them draw alike. A window that is shown has shown
// one black frame by the time it is handed out.
class GlWindow : public Screen {
  public:
    // A full-screen window on the monitor (a plain one when the monitor has no id), titled
    // "Emberveil", at the given size. With share, the new window draws with share's context
    // where the platform allows it, or else with a context that shares its GL objects, so that
    // one scene draws in both; it has no depth or stencil buffer.
    static std::unique_ptr<GlWindow> openFullScreen(const Monitor& monitor, PixelSize size,
                                                    const WindowConduct& conduct,
                                                    const GlWindow* share = nullptr);
    // An ordinary resizable window on the desktop, titled "Emberveil".
    static std::unique_ptr<GlWindow> openOnDesktop(PixelSize size, const WindowConduct& conduct);
    // Draws into a window that someone else made, of the given size; the owner keeps it.
    static std::unique_ptr<GlWindow> adopt(platform::NativeWindowHandle parent, PixelSize size,
                                           const WindowConduct& conduct);
    // A window that is never shown, for drawing frames that are only read back.
    static std::unique_ptr<GlWindow> openHidden(PixelSize size);

    // The open functions give nullptr, after the library has reported why, when they fail.

    // The oldest full-screen window still open, which the next one shares with; nullptr if none.
    static const GlWindow* firstFullScreen();

    // Destroys the window, or hands an adopted one back to its owner. A window whose context others
    // still draw with is only hidden, so that their drawing goes on, and destroyed with the last
    // of them.
    ~GlWindow() override;

    GlWindow(const GlWindow&) = delete;
    GlWindow& operator=(const GlWindow&) = delete;

    void makeCurrent() override;
    void present() override;
    // The size it was opened at until the library reports another.
    PixelSize drawingSize() const override { return size; }
    void setWaitsForDisplay(bool waits) override;
    bool wantsFrame() const override;
    bool inputSeen() const override { return inputNoted; }
    bool escapeHeld() const override;
    bool closeRequested() const override;
    bool focusTaken() override;
    void takeFocus() override;
    // The monitor the window is full screen on, until the monitor is disconnected.
    MonitorId monitor() const override;
    void refit(const Monitor& monitor) override;

  private:
    GlWindow(GLFWwindow* window, PixelSize size, const WindowConduct& conduct);

    static std::unique_ptr<GlWindow> bringUp(GLFWwindow* window, PixelSize size,
                                             const WindowConduct& conduct);
    // Every library window of the saver's that is open.
    static std::vector<GLFWwindow*> saverWindows();
    static void onWindowSize(GLFWwindow* window, int width, int height);
    static void onKey(GLFWwindow* window, int key, int scancode, int action, int mods);
    static void onMouseButton(GLFWwindow* window, int button, int action, int mods);
    static void onCursorPos(GLFWwindow* window, double x, double y);
    static void onScroll(GLFWwindow* window, double x, double y);
    static void onFocus(GLFWwindow* window, int focused);

    GLFWwindow* window;
    // The library window whose context this one draws with, if not its own. It outlives its
    // GlWindow while this one draws with it.
    GLFWwindow* lender = nullptr;
    bool fullScreen = false;
    PixelSize size;
    WindowConduct conduct;
    bool inputNoted = false;
    // The window lost the keyboard focus, maybe to another of the saver's windows.
    bool focusLeft = false;
};

} // namespace windowing
