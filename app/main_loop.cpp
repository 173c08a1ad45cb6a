#include "app/main_loop.h"

#include "app/frame_pacer.h"
#include "app/preview_report.h"
#include "app/process_state.h"
#include "platform/native_window.h"
#include "scene/frame_rate_display.h"
#include "scene/scene.h"
#include "windowing/library.h"

#include <chrono>
#include <thread>

namespace {

FrameInput frameFor(const windowing::GlWindow& window, float time) {
    PixelSize size = window.drawingSize();
    return frameInput(size.width, size.height, time);
}

// Runs ask on every window of the saver, the one whose swap waits for the display last.
template <typename Ask> void forEachWindow(Ask ask) {
    for (windowing::GlWindow* other : currentApp->otherWindows) {
        ask(*other);
    }
    ask(*currentApp->window);
}

// Whatever ends one window's saver ends them all.
bool anyWindow(bool (windowing::GlWindow::*asks)() const) {
    bool any = false;
    forEachWindow([&](const windowing::GlWindow& window) { any = any || (window.*asks)(); });
    return any;
}

} // namespace

// The other monitors' windows draw first, each made current in turn, and the main window is
// current again for its own frame; a lone window simply stays current.
void tick() {
    auto time = static_cast<float>(windowing::libraryTime());
    const SaverApp& app = *currentApp;
    for (windowing::GlWindow* other : app.otherWindows) {
        other->makeCurrent();
        if (app.fireOnOtherMonitors) {
            renderFrame(frameFor(*other, time));
        } else {
            renderBlankFrame(frameFor(*other, time));
        }
    }
    if (!app.otherWindows.empty()) {
        app.window->makeCurrent();
    }
    renderFrame(frameFor(*app.window, time));
}

void runMainLoop() {
    setUpScene();
    const ScreensaverArgs& args = *currentApp->args;
    FrameRateDisplay* frameRate =
        args.showFrameRate ? new FrameRateDisplay(windowing::libraryTime) : nullptr;
    FramePacer pacer(args.frameDelay);
    bool keepRunning = true;
    bool firstFrame = true;
    do {
        double frameStart = windowing::libraryTime();
        if (frameRate != nullptr) {
            frameRate->startFrame();
        }
        tick();
        if (frameRate != nullptr) {
            PixelSize size = currentApp->window->drawingSize();
            frameRate->finishFrame(size.width, size.height);
        }
        if (firstFrame && args.mode == SaverMode::Preview) {
            PixelSize size = currentApp->window->drawingSize();
            reportFirstPreviewFrame(args.parent, size.width, size.height);
        }
        firstFrame = false;
        forEachWindow([](windowing::GlWindow& window) { window.present(); });
        // Where swaps do not wait for the display, nothing else would keep the loop from
        // drawing frames that no display shows.
        double frameEnd = windowing::libraryTime();
        std::this_thread::sleep_for(std::chrono::duration<double>(
            pacer.waitAfterFrame(frameStart, frameEnd, currentApp->refreshPeriod)));
        windowing::pollEvents();
        if (!currentApp->dropWindowsOfLostMonitors()) {
            return;
        }
        if (!args.hackConventions && anyWindow(&windowing::GlWindow::escapeHeld)) {
            keepRunning = false;
        }
        if (anyWindow(&windowing::GlWindow::closeRequested)) {
            keepRunning = false;
        }
        if (args.mode == SaverMode::Preview && !platform::isWindowEnabled(args.parent)) {
            return;
        }
    } while (keepRunning);
}
