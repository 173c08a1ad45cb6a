#include "app/main_loop.h"

#include "app/frame_rate_display.h"
#include "app/preview_report.h"
#include "app/process_state.h"
#include "platform/native_window.h"
#include "scene/scene.h"
#include "windowing/library.h"

void tick() {
    auto time = static_cast<float>(windowing::libraryTime());
    PixelSize size = currentApp->window->drawingSize();
    renderFrame(frameInput(size.width, size.height, time));
}

void runMainLoop() {
    setUpScene();
    windowing::GlWindow* window = currentApp->window;
    const ScreensaverArgs& args = *currentApp->args;
    FrameRateDisplay* frameRate = args.showFrameRate ? new FrameRateDisplay : nullptr;
    bool keepRunning = true;
    bool firstFrame = true;
    do {
        if (frameRate != nullptr) {
            frameRate->startFrame();
        }
        tick();
        if (frameRate != nullptr) {
            frameRate->finishFrame(window->drawingSize());
        }
        if (firstFrame && args.mode == SaverMode::Preview) {
            PixelSize size = window->drawingSize();
            reportFirstPreviewFrame(args.parent, size.width, size.height);
        }
        firstFrame = false;
        window->present();
        windowing::pollEvents();
        if (!args.hackConventions && window->escapeHeld()) {
            keepRunning = false;
        }
        if (window->closeRequested()) {
            keepRunning = false;
        }
        if (args.mode == SaverMode::Preview && !platform::isWindowEnabled(args.parent)) {
            return;
        }
    } while (keepRunning);
}
