#include "render/program.h"

#include "platform/fatal_failure.h"
#include "platform/message_box.h"
#include "render/text_resource.h"

#include <vector>

namespace {

// Shows a shader's compile log; a driver that gives no log still gets a box that says so.
void showShaderLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    if (length > 0) {
        GLsizei written = 0;
        glGetShaderInfoLog(shader, length, &written, log.data());
    }
    const char* text = log[0] != '\0' ? log.data() : "The shader compiler gave no log.";
    platform::showMessageBox(text, "Debug", platform::MessageIcon::Information);
}

// Reports a shader that did not compile and ends the process; the saver has nothing to show
// without it.
[[noreturn]] void failCompilation(GLuint shader, GLenum stage) {
    showShaderLog(shader);
    glDeleteShader(shader);
    platform::failFatally(stage == GL_VERTEX_SHADER ? "Vertex shader compilation error"
                                                    : "Fragment shader compilation error");
}

} // namespace

GLFWProgram::GLFWProgram(int vertexResourceId, int fragmentResourceId)
    : vertexSource(new char[kShaderTextBufferSize]),
      fragmentSource(new char[kShaderTextBufferSize]) {
    loadTextResource(vertexResourceId, vertexSource.get(), kShaderTextCapacity);
    loadTextResource(fragmentResourceId, fragmentSource.get(), kShaderTextCapacity);

    programId = glCreateProgram();
    vertexShader = compileShader(GL_VERTEX_SHADER, vertexSource.get());
    fragmentShader = compileShader(GL_FRAGMENT_SHADER, fragmentSource.get());
    glAttachShader(programId, vertexShader);
    glAttachShader(programId, fragmentShader);
    glLinkProgram(programId);
}

GLFWProgram::~GLFWProgram() {
    vertexSource.reset();
    fragmentSource.reset();
    glDeleteShader(vertexShader);
    glDeleteShader(fragmentShader);
    glDeleteProgram(programId);
    locationCache.clear();
}

GLuint GLFWProgram::compileShader(GLenum stage, const char* source) {
    GLuint shader = glCreateShader(stage);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint status = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status == 0) {
        failCompilation(shader, stage);
    }
    return shader;
}

void GLFWProgram::use() {
    glUseProgram(programId);
}

std::int32_t GLFWProgram::getUniformLocation(const char* name) {
    return cachedLocation(LocationKind::Uniform, name);
}

std::int32_t GLFWProgram::getAttributeLocation(const char* name) {
    return cachedLocation(LocationKind::Attribute, name);
}

std::int32_t GLFWProgram::cachedLocation(LocationKind kind, const char* name) {
    auto found = locationCache.find(name);
    if (found != locationCache.end()) {
        return found->second;
    }
    std::int32_t location = kind == LocationKind::Uniform ? glGetUniformLocation(programId, name)
                                                          : glGetAttribLocation(programId, name);
    locationCache.emplace(name, location);
    return location;
}
