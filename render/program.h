#pragma once

#include <GL/glew.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

// The GLFW prefix that this class, the registry, the buffers and the drawables share is the
// renderer's established naming, not a dependency: none of them uses GLFW.
//
// One linked shader program built from two compiled-in shader texts. A shader that fails to
// compile ends the process after showing its log; a failed link goes unnoticed.
class GLFWProgram {
  public:
    // Needs a current GL context with its entry points loaded.
    GLFWProgram(int vertexResourceId, int fragmentResourceId);
    ~GLFWProgram();

    GLFWProgram(const GLFWProgram&) = delete;
    GLFWProgram& operator=(const GLFWProgram&) = delete;

    void use();

    // Both lookups share one cache: whichever kind asks for a name first fixes its value, -1
    // included.
    std::int32_t getUniformLocation(const char* name);
    std::int32_t getAttributeLocation(const char* name);

  private:
    enum class LocationKind { Uniform, Attribute };

    std::int32_t cachedLocation(LocationKind kind, const char* name);
    GLuint compileShader(GLenum stage, const char* source);

    std::unique_ptr<char[]> vertexSource;
    std::unique_ptr<char[]> fragmentSource;
    GLuint vertexShader = 0;
    GLuint fragmentShader = 0;
    GLuint programId = 0;
    std::map<std::string, std::int32_t> locationCache;
};
