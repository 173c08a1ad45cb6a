#include "render/buffer_object.h"
#include "render/program_registry.h"
#include "tests/support/gl_function_swap.h"
#include "tests/support/gl_test_context.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

constexpr int kStride = 24;

struct PointerCall {
    GLuint index;
    GLint size;
    GLsizei stride;
    std::uintptr_t offset;
};

std::vector<PointerCall> pointerCalls;
PFNGLVERTEXATTRIBPOINTERPROC driverVertexAttribPointer = nullptr;

void GLAPIENTRY recordPointer(GLuint index, GLint size, GLenum type, GLboolean normalized,
                              GLsizei stride, const void* pointer) {
    pointerCalls.push_back({index, size, stride, reinterpret_cast<std::uintptr_t>(pointer)});
    driverVertexAttribPointer(index, size, type, normalized, stride, pointer);
}

GLint attribute(GLuint location, GLenum property) {
    GLint value = 0;
    glGetVertexAttribiv(location, property, &value);
    return value;
}

std::uintptr_t attributeOffset(GLuint location) {
    void* pointer = nullptr;
    glGetVertexAttribPointerv(location, GL_VERTEX_ATTRIB_ARRAY_POINTER, &pointer);
    return reinterpret_cast<std::uintptr_t>(pointer);
}

GLint boundBuffer(GLenum binding) {
    GLint name = 0;
    glGetIntegerv(binding, &name);
    return name;
}

class BufferObjectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(context.valid()) << "no GL context";
        registry.addProgram("Probe", 961, 962);
        buffers = std::make_unique<GLFWBufferObject>(&registry);
        for (std::size_t i = 0; i < vertices.size(); ++i) {
            vertices[i] = static_cast<float>(i);
        }
        buffers->setVertexData(static_cast<std::int32_t>(vertices.size() * sizeof(float)),
                               vertices.data(), kStride);
        buffers->setIndexData(static_cast<std::int32_t>(indices.size() * sizeof(std::uint32_t)),
                              indices.data(), static_cast<std::int32_t>(indices.size()));
        pointerCalls.clear();
        driverVertexAttribPointer = glVertexAttribPointer;
    }

    void addSkyAttributes() {
        buffers->addAttribute("Probe", "position", 3, 0);
        buffers->addAttribute("Probe", "position_tex", 2, 3);
        buffers->addAttribute("Probe", "position_normal", 3, 5);
    }

    GLuint location(const char* name) {
        return static_cast<GLuint>(registry.findProgram("Probe")->getAttributeLocation(name));
    }

    GlTestContext context;
    GLFWProgramRegistry registry;
    std::unique_ptr<GLFWBufferObject> buffers;
    std::vector<float> vertices = std::vector<float>(4 * kStride);
    std::vector<std::uint32_t> indices{0, 1, 2, 2, 3, 0};
};

TEST_F(BufferObjectTest, AttributePointersAreSetInNameOrderWithTheVertexLayout) {
    GlFunctionSwap swap(__glewVertexAttribPointer, recordPointer);
    addSkyAttributes();
    buffers->upload();
    GlTestContext::clearGlErrors();

    // "position_normal" is not used by the program: its -1 reaches GL as it is.
    ASSERT_EQ(pointerCalls.size(), 3u);
    EXPECT_EQ(pointerCalls[0].index, location("position"));
    EXPECT_EQ(pointerCalls[1].index, static_cast<GLuint>(-1));
    EXPECT_EQ(pointerCalls[2].index, location("position_tex"));
    const GLint sizes[] = {3, 3, 2};
    const std::uintptr_t offsets[] = {0, 20, 12};
    for (std::size_t i = 0; i < pointerCalls.size(); ++i) {
        EXPECT_EQ(pointerCalls[i].size, sizes[i]);
        EXPECT_EQ(pointerCalls[i].stride, 96);
        EXPECT_EQ(pointerCalls[i].offset, offsets[i]);
    }
}

TEST_F(BufferObjectTest, GlHoldsTheAttributePointersAfterBind) {
    addSkyAttributes();
    buffers->upload();
    GlTestContext::clearGlErrors();

    GLuint position = location("position");
    GLuint tex = location("position_tex");
    ASSERT_NE(position, static_cast<GLuint>(-1));
    ASSERT_NE(tex, static_cast<GLuint>(-1));
    EXPECT_EQ(attribute(position, GL_VERTEX_ATTRIB_ARRAY_ENABLED), GL_TRUE);
    EXPECT_EQ(attribute(position, GL_VERTEX_ATTRIB_ARRAY_SIZE), 3);
    EXPECT_EQ(attribute(position, GL_VERTEX_ATTRIB_ARRAY_STRIDE), 96);
    EXPECT_EQ(attribute(position, GL_VERTEX_ATTRIB_ARRAY_TYPE), GL_FLOAT);
    EXPECT_EQ(attribute(position, GL_VERTEX_ATTRIB_ARRAY_NORMALIZED), GL_FALSE);
    EXPECT_EQ(attributeOffset(position), 0u);
    EXPECT_EQ(attribute(tex, GL_VERTEX_ATTRIB_ARRAY_ENABLED), GL_TRUE);
    EXPECT_EQ(attribute(tex, GL_VERTEX_ATTRIB_ARRAY_SIZE), 2);
    EXPECT_EQ(attribute(tex, GL_VERTEX_ATTRIB_ARRAY_STRIDE), 96);
    EXPECT_EQ(attributeOffset(tex), 12u);
    GLint vertexBuffer = attribute(position, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING);
    EXPECT_NE(vertexBuffer, 0);
    EXPECT_EQ(attribute(tex, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING), vertexBuffer);
}

TEST_F(BufferObjectTest, UploadFillsBothBuffers) {
    addSkyAttributes();
    buffers->upload();
    GlTestContext::clearGlErrors();

    GLint size = 0;
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
    EXPECT_EQ(size, static_cast<GLint>(vertices.size() * sizeof(float)));
    glGetBufferParameteriv(GL_ELEMENT_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
    EXPECT_EQ(size, static_cast<GLint>(indices.size() * sizeof(std::uint32_t)));
    std::vector<std::uint32_t> stored(indices.size());
    glGetBufferSubData(GL_ELEMENT_ARRAY_BUFFER, 0,
                       static_cast<GLsizeiptr>(stored.size() * sizeof(std::uint32_t)),
                       stored.data());
    EXPECT_EQ(stored, indices);
    float lastVertexFloat = 0.0f;
    glGetBufferSubData(GL_ARRAY_BUFFER,
                       static_cast<GLintptr>((vertices.size() - 1) * sizeof(float)), sizeof(float),
                       &lastVertexFloat);
    EXPECT_EQ(lastVertexFloat, vertices.back());
    EXPECT_EQ(buffers->getIndexCount(), 6);
}

TEST_F(BufferObjectTest, EveryBindRebindsTheBuffersAndRepointsEveryAttribute) {
    addSkyAttributes();
    buffers->upload();
    GLint vertexBuffer = boundBuffer(GL_ARRAY_BUFFER_BINDING);
    GLint indexBuffer = boundBuffer(GL_ELEMENT_ARRAY_BUFFER_BINDING);
    EXPECT_NE(vertexBuffer, 0);
    EXPECT_NE(indexBuffer, 0);
    EXPECT_NE(vertexBuffer, indexBuffer);

    GLuint position = location("position");
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glDisableVertexAttribArray(position);
    glVertexAttribPointer(position, 4, GL_FLOAT, GL_FALSE, 0, nullptr);

    GlFunctionSwap swap(__glewVertexAttribPointer, recordPointer);
    buffers->bind();
    GlTestContext::clearGlErrors();
    EXPECT_EQ(boundBuffer(GL_ARRAY_BUFFER_BINDING), vertexBuffer);
    EXPECT_EQ(boundBuffer(GL_ELEMENT_ARRAY_BUFFER_BINDING), indexBuffer);
    EXPECT_EQ(attribute(position, GL_VERTEX_ATTRIB_ARRAY_ENABLED), GL_TRUE);
    EXPECT_EQ(attribute(position, GL_VERTEX_ATTRIB_ARRAY_SIZE), 3);
    EXPECT_EQ(pointerCalls.size(), 3u);
}

TEST_F(BufferObjectTest, AnAttributeRegisteredTwiceKeepsItsFirstEntry) {
    buffers->addAttribute("Probe", "position", 3, 0);
    buffers->addAttribute("Probe", "position", 2, 7);
    GlFunctionSwap swap(__glewVertexAttribPointer, recordPointer);
    buffers->bind();
    ASSERT_EQ(pointerCalls.size(), 1u);
    EXPECT_EQ(pointerCalls[0].size, 3);
    EXPECT_EQ(pointerCalls[0].offset, 0u);
}

TEST_F(BufferObjectTest, AnUnregisteredProgramNameRecordsNoAttribute) {
    buffers->addAttribute("Missing", "position", 3, 0);
    GlFunctionSwap swap(__glewVertexAttribPointer, recordPointer);
    buffers->bind();
    EXPECT_TRUE(pointerCalls.empty());
}

} // namespace
