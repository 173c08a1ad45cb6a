#include "app/screens.h"
#include "scene/scene.h"
#include "windowing/desktop.h"

#include <GL/glew.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

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

// Start-up of the full-screen saver on the primary monitor through the saver's own desktop and
// screens: the library, the window with its context and its first black frame, which hides the
// desktop; then the scene, the first fire frame and its swap.
int main() {
    std::unique_ptr<windowing::Desktop> opened =
        windowing::openDesktop(windowing::DesktopUse::EveryMonitor);
    windowing::Desktop& desktop = *opened;
    std::vector<windowing::Monitor> monitors = desktop.monitors();
    if (monitors.empty()) {
        std::fprintf(stderr, "startup_probe: no monitor\n");
        return 1;
    }
    windowing::WindowConduct conduct;
    conduct.noteInput = true;
    conduct.hideCursor = true;
    conduct.showIcon = true;
    PixelSize size{monitors[0].width, monitors[0].height};
    Screens screens(&desktop, {monitors[0]}, size, conduct, true);
    if (screens.empty()) {
        std::fprintf(stderr, "startup_probe: no full-screen window\n");
        return 1;
    }
    screens.pace();
    glFinish();
    double covered = millisecondsSinceProcessStart();
    setUpScene();
    double sceneReady = millisecondsSinceProcessStart();
    screens.drawFrame(static_cast<float>(desktop.time()));
    screens.present();
    glFinish();
    double presented = millisecondsSinceProcessStart();
    std::printf("start-up at %dx%d: desktop covered after %.0f ms, first fire frame after %.0f ms "
                "(scene %.0f ms, first frame %.0f ms; resolution %ld ms)\n",
                size.width, size.height, covered, presented, sceneReady - covered,
                presented - sceneReady, 1000 / sysconf(_SC_CLK_TCK));
    return 0;
}
