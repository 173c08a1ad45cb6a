#include "tests/support/gl_test_context.h"

#include "render/gl_state.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

GlTestContext::GlTestContext(int width, int height) {
    if (glfwInit() != GLFW_TRUE) {
        return;
    }
    glfwDefaultWindowHints();
    setSaverContextHints();
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    window = glfwCreateWindow(width, height, "gl test", nullptr, nullptr);
    if (window == nullptr) {
        glfwTerminate();
        return;
    }
    glfwMakeContextCurrent(window);
    glewInit();
    applyFixedGlState();
    // GLEW's start-up may leave an error behind; tests start from a clean error flag.
    while (glGetError() != GL_NO_ERROR) {
    }
}

GlTestContext::~GlTestContext() {
    if (window != nullptr) {
        glfwDestroyWindow(window);
        glfwTerminate();
    }
}

unsigned int GlTestContext::currentProgram() {
    GLint id = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &id);
    return static_cast<unsigned int>(id);
}
