#include "scene/scene.h"
#include "windowing/gl_window.h"
#include "windowing/library.h"
#include "windowing/monitor.h"

#include <GL/glew.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

// Milliseconds since this process started, from the kernel's start time in clock ticks since
// boot; -1 when /proc cannot be read.
double millisecondsSinceProcessStart() {
    std::ifstream statFile("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    // The command name may hold spaces; the fields after it start past its closing parenthesis.
    std::size_t afterName = stat.rfind(')');
    if (afterName == std::string::npos) {
        return -1.0;
    }
    std::istringstream fields(stat.substr(afterName + 2));
    std::string field;
    // starttime is field 22 of the line, the 20th after the name.
    for (int i = 0; i < 20 && fields >> field; ++i) {
    }
    double startTicks = std::stod(field);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    double nowMs =
        static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
    return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

} // namespace

// Start-up of the full-screen saver up to its first presented frame, through the saver's own
// window and scene code: the library, the full-screen window on the primary monitor with its
// context, the scene, one frame and the swap.
int main() {
    if (!windowing::startLibrary()) {
        std::fprintf(stderr, "startup_probe: no windowing library\n");
        return 1;
    }
    windowing::Monitor primary;
    windowing::primaryMonitor(&primary);
    windowing::WindowConduct conduct;
    conduct.hideCursor = true;
    conduct.showIcon = true;
    windowing::GlWindow* window =
        windowing::GlWindow::openFullScreen(primary, {primary.width, primary.height}, conduct);
    if (window == nullptr) {
        std::fprintf(stderr, "startup_probe: no full-screen window\n");
        return 1;
    }
    windowing::setSwapInterval(1);
    double windowReady = millisecondsSinceProcessStart();
    setUpScene();
    double sceneReady = millisecondsSinceProcessStart();
    PixelSize size = window->drawingSize();
    renderFrame(frameInput(size.width, size.height, static_cast<float>(windowing::libraryTime())));
    window->present();
    glFinish();
    double presented = millisecondsSinceProcessStart();
    std::printf("start-up to first presented frame: %.0f ms at %dx%d (window and context %.0f ms, "
                "scene %.0f ms, first frame %.0f ms; resolution %ld ms)\n",
                presented, size.width, size.height, windowReady, sceneReady - windowReady,
                presented - sceneReady, 1000 / sysconf(_SC_CLK_TCK));
    return 0;
}
