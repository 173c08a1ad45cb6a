#include "render/shader_stage.h"

#include <vector>

namespace {

std::string compileLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    if (length > 0) {
        GLsizei written = 0;
        glGetShaderInfoLog(shader, length, &written, log.data());
    }
    return log.data();
}

} // namespace

GLuint compileShaderStage(GLenum stage, const char* source, std::string* log) {
    GLuint shader = glCreateShader(stage);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint status = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status != 0) {
        return shader;
    }
    *log = compileLog(shader);
    glDeleteShader(shader);
    return 0;
}
