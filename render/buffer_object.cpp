#include "render/buffer_object.h"

#include "render/program_registry.h"

GLFWBufferObject::GLFWBufferObject(GLFWProgramRegistry* registry) : registry(registry) {
    glGenBuffers(1, &vertexBuffer);
    glGenBuffers(1, &indexBuffer);
}

GLFWBufferObject::~GLFWBufferObject() {
    glDeleteBuffers(1, &vertexBuffer);
    glDeleteBuffers(1, &indexBuffer);
    attributeLocations.clear();
    attributeSizes.clear();
    attributeOffsets.clear();
}

void GLFWBufferObject::setVertexData(std::int32_t sizeBytes, float* data,
                                     std::int32_t strideFloats) {
    vertexDataSize = sizeBytes;
    vertexData = data;
    vertexStride = strideFloats;
}

void GLFWBufferObject::setIndexData(std::int32_t sizeBytes, std::uint32_t* data,
                                    std::int32_t count) {
    indexDataSize = sizeBytes;
    indexData = data;
    indexCount = count;
}

void GLFWBufferObject::addAttribute(const char* programName, const char* attributeName,
                                    std::int32_t componentCount, std::int32_t offsetFloats) {
    GLFWProgram* program = registry->findProgram(programName);
    if (program == nullptr) {
        return;
    }
    std::int32_t location = program->getAttributeLocation(attributeName);
    attributeLocations.emplace(attributeName, location);
    attributeSizes.emplace(attributeName, componentCount);
    attributeOffsets.emplace(attributeName, offsetFloats);
}

void GLFWBufferObject::upload() {
    bind();
    glBufferData(GL_ARRAY_BUFFER, vertexDataSize, vertexData, GL_STATIC_DRAW);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, indexDataSize, indexData, GL_STATIC_DRAW);
}

void GLFWBufferObject::bind() {
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
    GLsizei strideBytes = vertexStride * static_cast<GLsizei>(sizeof(float));
    for (const auto& [name, location] : attributeLocations) {
        std::int32_t count = attributeSizes.at(name);
        std::size_t offsetBytes =
            static_cast<std::size_t>(attributeOffsets.at(name)) * sizeof(float);
        // A location of -1 is handed over as GL's unsigned index; GL rejects it without effect.
        glEnableVertexAttribArray(static_cast<GLuint>(location));
        glVertexAttribPointer(static_cast<GLuint>(location), count, GL_FLOAT, GL_FALSE, strideBytes,
                              reinterpret_cast<const void*>(offsetBytes));
    }
}
