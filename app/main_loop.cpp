#include "app/main_loop.h"

#include "app/drawing_size.h"
#include "app/preview_report.h"
#include "app/process_state.h"
#include "platform/native_window.h"
#include "scene/scene.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

void tick() {
    auto time = static_cast<float>(glfwGetTime());
    commonUniforms->setTime(time);
    renderFrame(windowWidth, windowHeight, windowAspect);
}

void runMainLoop() {
    setUpScene();
    GLFWwindow* window = currentApp->window;
    bool keepRunning = true;
    bool firstFrame = true;
    do {
        tick();
        if (firstFrame && currentArgs->mode == SaverMode::Preview) {
            reportFirstPreviewFrame(currentArgs->parent, windowWidth, windowHeight);
        }
        firstFrame = false;
        glfwSwapBuffers(window);
        glfwPollEvents();
        if (!currentArgs->hackConventions && glfwGetKey(window, GLFW_KEY_ESCAPE) != GLFW_RELEASE) {
            keepRunning = false;
        }
        if (glfwWindowShouldClose(window) == 1) {
            keepRunning = false;
        }
        if (currentArgs->mode == SaverMode::Preview &&
            !platform::isWindowEnabled(currentArgs->parent)) {
            return;
        }
    } while (keepRunning);
}
