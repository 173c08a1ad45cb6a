#include "tests/support/gl_test_context.h"

#include <GL/glew.h>

GlTestContext::GlTestContext(int width, int height) : context({width, height}) {
    // GLEW's start-up may leave an error behind; tests start from a clean error flag.
    if (context.valid()) {
        clearGlErrors();
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

float GlTestContext::currentUniform(const char* name) {
    GLuint program = currentProgram();
    float value = -1.0f;
    glGetUniformfv(program, glGetUniformLocation(program, name), &value);
    return value;
}
