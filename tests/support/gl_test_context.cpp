#include "tests/support/gl_test_context.h"

#include "app/window_hints.h"
#include "render/gl_state.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

GlTestContext::GlTestContext(int width, int height) {
    if (glfwInit() != GLFW_TRUE) {
        return;
    }
    glfwDefaultWindowHints();
    setSaverWindowHints();
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
    clearGlErrors();
}

GlTestContext::~GlTestContext() {
    if (window != nullptr) {
        glfwDestroyWindow(window);
        glfwTerminate();
    }
}

void GlTestContext::clearGlErrors() {
    // Bounded: with no current context, or a lost one, glGetError may report an error on every
    // call, and an unbounded loop would hang the test instead of failing it.
    constexpr int kMaxPendingErrors = 32;
    for (int i = 0; i < kMaxPendingErrors && glGetError() != GL_NO_ERROR; ++i) {
    }
}

unsigned int GlTestContext::currentProgram() {
    GLint id = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &id);
    return static_cast<unsigned int>(id);
}
