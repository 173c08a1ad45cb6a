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

// The OS reclaims the windows and the contexts.
[[noreturn]] void endOnInput() {
    std::exit(0);
}

// Where swaps do not wait for the display, nothing else would keep the loop from drawing frames
// that no display shows.
void rest(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

} // namespace

void tick(SaverApp& app) {
    auto time = static_cast<float>(app.desktop->time());
    app.screens->drawFrame(time);
}

void runMainLoop(SaverApp& app) {
    setUpScene();
    const ScreensaverArgs& args = *app.args;
    Screens& screens = *app.screens;
    windowing::Desktop& desktop = *app.desktop;
    FrameRateDisplay* frameRate =
        args.showFrameRate ? new FrameRateDisplay([&desktop] { return desktop.time(); }) : nullptr;
    FramePacer pacer(args.frameDelay);
    bool keepRunning = true;
    bool firstFrame = true;
    do {
        double frameStart = desktop.time();
        if (frameRate != nullptr) {
            frameRate->startFrame();
        }
        tick(app);
        PixelSize size = screens.pacer().drawingSize();
        if (frameRate != nullptr) {
            frameRate->finishFrame(size.width, size.height);
        }
        if (firstFrame && args.mode == SaverMode::Preview) {
            reportFirstPreviewFrame(args.parent, size.width, size.height);
        }
        firstFrame = false;
        screens.present();
        rest(pacer.waitAfterFrame(frameStart, desktop.time(), screens.refreshPeriod()));
        desktop.pollEvents();
        if (screens.inputSeen()) {
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
