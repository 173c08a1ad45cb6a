#include "app/main_loop.h"

#include "app/frame_pacer.h"
#include "app/preview_report.h"
#include "platform/native_window.h"
#include "scene/frame_rate_display.h"
#include "scene/scene.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

// While nobody would see a frame the loop waits for events, and looks again this often: the stop
// rules are kept as promptly as when drawing, for next to no work.
constexpr double kPausedLookInterval = 0.1;

// The OS reclaims the windows and the contexts.
[[noreturn]] void endOnInput() {
    std::exit(0);
}

// Where swaps do not wait for the display, nothing else would keep the loop from drawing frames
// that no display shows.
void rest(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// One frame on every screen of the app, all at the same time for the shaders.
void tick(SaverApp& app) {
    auto time = static_cast<float>(app.desktop->time());
    app.screens->drawFrame(time);
}

// One frame drawn and shown, the frame rate over the pacer's if asked for. The preview reports
// its first frame, and its first again after every pause.
void drawAndPresent(SaverApp& app, FrameRateDisplay* frameRate, bool report) {
    Screens& screens = *app.screens;
    if (frameRate != nullptr) {
        frameRate->startFrame();
    }
    tick(app);
    PixelSize size = screens.pacer().drawingSize();
    bool pacerDrawn = screens.pacer().wantsFrame();
    if (frameRate != nullptr && pacerDrawn) {
        frameRate->finishFrame(size.width, size.height);
    }
    if (report && pacerDrawn) {
        reportFirstPreviewFrame(app.args->parent, size.width, size.height);
    }
    screens.present();
}

} // namespace

void runMainLoop(SaverApp& app) {
    setUpScene();
    const ScreensaverArgs& args = *app.args;
    Screens& screens = *app.screens;
    windowing::Desktop& desktop = *app.desktop;
    FrameRateDisplay* frameRate = args.settings.showFrameRate
                                      ? new FrameRateDisplay([&desktop] { return desktop.time(); })
                                      : nullptr;
    FramePacer pacer(args.settings.frameDelay / 1e6);
    bool keepRunning = true;
    bool drewLastPass = false;
    do {
        double frameStart = desktop.time();
        if (screens.showing(frameStart)) {
            drawAndPresent(app, frameRate, !drewLastPass && args.mode == SaverMode::Preview);
            drewLastPass = true;
            rest(pacer.waitAfterFrame(frameStart, desktop.time(), screens.refreshPeriod()));
            desktop.pollEvents();
        } else {
            drewLastPass = false;
            desktop.waitEvents(kPausedLookInterval);
        }
        // Keys typed at the fire must never reach a window hidden under it.
        if (screens.inputSeen() || screens.focusTaken()) {
            endOnInput();
        }
        if (!screens.followDesktop(desktop.time())) {
            return;
        }
        if (!args.hackConventions && screens.escapeHeld()) {
            keepRunning = false;
        }
        if (screens.closeRequested()) {
            keepRunning = false;
        }
        if (args.mode == SaverMode::Preview && !platform::isWindowEnabled(args.parent)) {
            return;
        }
    } while (keepRunning);
}
