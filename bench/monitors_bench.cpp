#include "app/screens.h"
#include "scene/scene.h"
#include "windowing/desktop.h"

#include <GL/glew.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// The saver's desktop, keeping a hand on each screen it makes so that each can be drawn alone.
class RecordingDesktop : public windowing::Desktop {
  public:
    explicit RecordingDesktop(std::unique_ptr<windowing::Desktop> desktop)
        : desktop(std::move(desktop)) {}

    std::vector<windowing::Monitor> monitors() override { return desktop->monitors(); }
    std::unique_ptr<windowing::Screen> openOn(const windowing::Monitor& monitor, PixelSize size,
                                              const windowing::WindowConduct& conduct) override {
        std::unique_ptr<windowing::Screen> opened = desktop->openOn(monitor, size, conduct);
        made.push_back(opened.get());
        return opened;
    }
    void pollEvents() override { desktop->pollEvents(); }
    void waitEvents(double seconds) override { desktop->waitEvents(seconds); }
    double time() const override { return desktop->time(); }

    // Until every screen would show a new frame: on a Wayland compositor, until the last frame of
    // each has been shown.
    void awaitFrames() {
        while (!std::all_of(made.begin(), made.end(),
                            [](const windowing::Screen* screen) { return screen->wantsFrame(); })) {
            desktop->waitEvents(0.1);
        }
    }

    std::vector<windowing::Screen*> made;

  private:
    std::unique_ptr<windowing::Desktop> desktop;
};

double medianMilliseconds(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Times the frame, finished by GL before the clock stops.
template <typename Draw> double milliseconds(Draw draw) {
    auto start = std::chrono::steady_clock::now();
    draw();
    glFinish();
    std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    return spent.count();
}

double aloneMilliseconds(windowing::Screen* screen, float time) {
    return milliseconds([=] {
        screen->makeCurrent();
        PixelSize size = screen->drawingSize();
        renderFrame(frameInput(size.width, size.height, time));
        screen->present();
    });
}

double togetherMilliseconds(Screens& screens, float time) {
    return milliseconds([&] {
        screens.drawFrame(time);
        screens.present();
    });
}

// The three kinds of frame take turns, so that all see the same machine load. The first frames
// compile the shaders' machine code and are not counted.
void measure(Screens& screens, RecordingDesktop& desktop, int frames) {
    const std::vector<windowing::Screen*>& made = desktop.made;
    std::vector<double> first, second, together;
    for (int frame = -2; frame < frames; ++frame) {
        float time = 8.0f + 0.016f * static_cast<float>(frame);
        desktop.awaitFrames();
        double firstMs = aloneMilliseconds(made[0], time);
        double secondMs = aloneMilliseconds(made[1], time);
        desktop.awaitFrames();
        double togetherMs = togetherMilliseconds(screens, time);
        if (frame >= 0) {
            first.push_back(firstMs);
            second.push_back(secondMs);
            together.push_back(togetherMs);
        }
    }
    PixelSize one = made[0]->drawingSize();
    PixelSize two = made[1]->drawingSize();
    double firstMs = medianMilliseconds(first);
    double secondMs = medianMilliseconds(second);
    double togetherMs = medianMilliseconds(together);
    std::printf("frame on %dx%d alone %.1f ms, on %dx%d alone %.1f ms, on both %.1f ms: "
                "%.3f x the sum (median of %d frames)\n",
                one.width, one.height, firstMs, two.width, two.height, secondMs, togetherMs,
                togetherMs / (firstMs + secondMs), frames);
}

} // namespace

// The cost of a frame on two monitors against the costs of each monitor's frame alone, through
// the saver's own screens: a full-screen window on each monitor, the second drawing with the
// first's GL objects, only the first waiting for the display; or on a Wayland compositor a layer
// surface on each output, all drawing with one context, none waiting.
int main(int argc, char** argv) {
    int frames = argc > 1 ? std::atoi(argv[1]) : 21;
    if (frames < 1) {
        std::fprintf(stderr, "usage: monitors_bench [frames], on a display with two monitors\n");
        return 2;
    }
    RecordingDesktop desktop(windowing::openDesktop(windowing::DesktopUse::EveryMonitor));
    std::vector<windowing::Monitor> monitors = desktop.monitors();
    if (monitors.size() != 2) {
        std::fprintf(stderr, "monitors_bench: the display has %zu monitor(s), not two\n",
                     monitors.size());
        return 1;
    }
    Screens screens(&desktop, monitors, {monitors[0].width, monitors[0].height}, {}, true);
    if (desktop.made.size() != 2) {
        std::fprintf(stderr, "monitors_bench: no window on each monitor\n");
        return 1;
    }
    screens.pace();
    setUpScene();
    measure(screens, desktop, frames);
    return 0;
}
