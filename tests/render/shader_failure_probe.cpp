// Usage: shader_failure_probe vertex|fragment|empty-log|missing
//
// Registers a program whose vertex or fragment text does not compile (or, for "missing", whose
// vertex text does not exist) and lets the program's failure path end the process. Every shader
// the program creates is listed on standard output when the process exits, one line each.
#include "render/program_registry.h"
#include "tests/support/gl_test_context.h"

#include <GL/glew.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kVertex = 961;
constexpr int kFragment = 962;
constexpr int kBrokenVertex = 971;
constexpr int kBrokenFragment = 972;
constexpr int kMissing = 4321;

std::vector<GLenum> createdShaders;
PFNGLCREATESHADERPROC driverCreateShader = nullptr;
PFNGLGETSHADERIVPROC driverGetShaderiv = nullptr;

GLuint GLAPIENTRY recordCreateShader(GLenum stage) {
    createdShaders.push_back(stage);
    return driverCreateShader(stage);
}

// Stands in for a driver that reports an empty compile log.
void GLAPIENTRY getShaderivWithoutLog(GLuint shader, GLenum property, GLint* value) {
    driverGetShaderiv(shader, property, value);
    if (property == GL_INFO_LOG_LENGTH) {
        *value = 0;
    }
}

void printCreatedShaders() {
    for (GLenum stage : createdShaders) {
        std::printf("created %s\n", stage == GL_VERTEX_SHADER ? "vertex" : "fragment");
    }
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    const char* mode = argc > 1 ? argv[1] : "";
    int vertex = kBrokenVertex;
    int fragment = kFragment;
    if (std::strcmp(mode, "fragment") == 0) {
        vertex = kVertex;
        fragment = kBrokenFragment;
    } else if (std::strcmp(mode, "missing") == 0) {
        vertex = kMissing;
    } else if (std::strcmp(mode, "vertex") != 0 && std::strcmp(mode, "empty-log") != 0) {
        std::fprintf(stderr, "usage: shader_failure_probe vertex|fragment|empty-log|missing\n");
        return 2;
    }

    GlTestContext context;
    if (!context.valid()) {
        std::fprintf(stderr, "no GL context\n");
        return 3;
    }
    driverCreateShader = glCreateShader;
    __glewCreateShader = recordCreateShader;
    if (std::strcmp(mode, "empty-log") == 0) {
        driverGetShaderiv = glGetShaderiv;
        __glewGetShaderiv = getShaderivWithoutLog;
    }
    std::atexit(printCreatedShaders);

    GLFWProgramRegistry registry;
    registry.addProgram("Probe", vertex, fragment);
    std::printf("registered\n");
    return 4;
}
