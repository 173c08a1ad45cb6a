#include "scene/scene.h"
#include "windowing/gl_window.h"
#include "windowing/library.h"
#include "windowing/monitor.h"

#include <GL/glew.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Windows = std::vector<windowing::GlWindow*>;

double medianMilliseconds(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// One frame into each of the windows, as the saver draws it, each finished before the clock
// stops.
double frameMilliseconds(const Windows& windows, float time) {
    auto start = std::chrono::steady_clock::now();
    for (windowing::GlWindow* window : windows) {
        window->makeCurrent();
        PixelSize size = window->drawingSize();
        renderFrame(frameInput(size.width, size.height, time));
        window->present();
        glFinish();
    }
    std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    return spent.count();
}

} // namespace

// The cost of a frame on two monitors against the costs of each monitor's frame alone, with the
// saver's windows: a full-screen window on each monitor, the second sharing the first's GL
// objects. The three kinds of frame take turns, so that all see the same machine load.
int main(int argc, char** argv) {
    int frames = argc > 1 ? std::atoi(argv[1]) : 21;
    if (frames < 1 || !windowing::startLibrary()) {
        std::fprintf(stderr, "usage: monitors_bench [frames], on a display with two monitors\n");
        return 2;
    }
    std::vector<windowing::Monitor> monitors = windowing::allMonitors();
    if (monitors.size() < 2) {
        std::fprintf(stderr, "monitors_bench: the display has %zu monitor(s), not two\n",
                     monitors.size());
        return 1;
    }
    windowing::WindowConduct conduct;
    conduct.iconifyOnFocusLoss = false;
    Windows both;
    for (int i = 0; i < 2; ++i) {
        const windowing::Monitor& monitor = monitors[static_cast<std::size_t>(i)];
        windowing::GlWindow* window = windowing::GlWindow::openFullScreen(
            monitor, {monitor.width, monitor.height}, conduct, i == 0 ? nullptr : both.front());
        if (window == nullptr) {
            std::fprintf(stderr, "monitors_bench: no window on monitor %d\n", i);
            return 1;
        }
        windowing::setSwapInterval(0);
        both.push_back(window);
    }
    both.front()->makeCurrent();
    setUpScene();

    std::vector<double> first, second, together;
    for (int frame = -2; frame < frames; ++frame) {
        float time = 8.0f + 0.016f * static_cast<float>(frame);
        double firstMs = frameMilliseconds({both[0]}, time);
        double secondMs = frameMilliseconds({both[1]}, time);
        double togetherMs = frameMilliseconds(both, time);
        // The first frames compile the shaders' machine code and are not counted.
        if (frame >= 0) {
            first.push_back(firstMs);
            second.push_back(secondMs);
            together.push_back(togetherMs);
        }
    }
    double firstMs = medianMilliseconds(first);
    double secondMs = medianMilliseconds(second);
    double togetherMs = medianMilliseconds(together);
    std::printf("frame on %dx%d alone %.1f ms, on %dx%d alone %.1f ms, on both %.1f ms: "
                "%.3f x the sum (median of %d frames)\n",
                monitors[0].width, monitors[0].height, firstMs, monitors[1].width,
                monitors[1].height, secondMs, togetherMs, togetherMs / (firstMs + secondMs),
                frames);
    return 0;
}
