#include "render/program.h"

#include "platform/fatal_failure.h"
#include "platform/message_box.h"
#include "render/shader_stage.h"
#include "render/text_resource.h"

namespace {

// Reports a shader that did not compile and ends the process; the saver has nothing to show
// without it. A driver that gives no log still gets a box that says so.
[[noreturn]] void failCompilation(const std::string& log, GLenum stage) {
    const char* text = !log.empty() ? log.c_str() : "The shader compiler gave no log.";
    platform::showMessageBox(text, "Debug", platform::MessageIcon::Information);
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
    std::string log;
    GLuint shader = compileShaderStage(stage, source, &log);
    if (shader == 0) {
        failCompilation(log, stage);
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
