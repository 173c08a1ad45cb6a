#include "app/drawing_size.h"
#include "app/main_loop.h"
#include "app/process_state.h"
#include "app/saver_app.h"
#include "scene/scene.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

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

// Start-up of the full-screen saver up to its first presented frame, through the shell's own
// code: the app object, the scene, one tick and the swap.
int main() {
    currentArgs = new ScreensaverArgs;
    currentArgs->mode = SaverMode::Fullscreen;
    currentApp = new SaverApp(currentArgs);
    double windowReady = millisecondsSinceProcessStart();
    setUpScene();
    double sceneReady = millisecondsSinceProcessStart();
    tick();
    glfwSwapBuffers(currentApp->window);
    glFinish();
    double presented = millisecondsSinceProcessStart();
    std::printf("start-up to first presented frame: %.0f ms at %dx%d (window and context %.0f ms, "
                "scene %.0f ms, first frame %.0f ms; resolution %ld ms)\n",
                presented, windowWidth, windowHeight, windowReady, sceneReady - windowReady,
                presented - sceneReady, 1000 / sysconf(_SC_CLK_TCK));
    return 0;
}
