#pragma once

#include <GL/glew.h>

#include <cstdint>
#include <map>
#include <string>

class GLFWProgramRegistry;

// A drawable's vertex and index buffers with its vertex attribute layout. There is no vertex
// array object: every bind points the registered attributes again.
class GLFWBufferObject {
  public:
    explicit GLFWBufferObject(GLFWProgramRegistry* registry);
    ~GLFWBufferObject();

    GLFWBufferObject(const GLFWBufferObject&) = delete;
    GLFWBufferObject& operator=(const GLFWBufferObject&) = delete;

    // The arrays are not copied: they must stay valid until upload.
    void setVertexData(std::int32_t sizeBytes, float* data, std::int32_t strideFloats);
    void setIndexData(std::int32_t sizeBytes, std::uint32_t* data, std::int32_t count);

    // Records an attribute under the location the named program gives it. A name registered
    // before keeps its first entry; a program name that is not registered records nothing.
    void addAttribute(const char* programName, const char* attributeName,
                      std::int32_t componentCount, std::int32_t offsetFloats);

    void upload();
    void bind();
    std::int32_t getIndexCount() const { return indexCount; }

  private:
    GLFWProgramRegistry* registry;
    GLuint vertexBuffer = 0;
    GLuint indexBuffer = 0;
    float* vertexData = nullptr;
    std::int32_t vertexDataSize = 0;
    std::int32_t vertexStride = 0;
    std::map<std::string, std::int32_t> attributeLocations;
    std::map<std::string, std::int32_t> attributeSizes;
    std::map<std::string, std::int32_t> attributeOffsets;
    std::uint32_t* indexData = nullptr;
    std::int32_t indexDataSize = 0;
    std::int32_t indexCount = 0;
};
