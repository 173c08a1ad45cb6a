#include "render/math_projection.h"
#include "render/program_registry.h"
#include "render/scene_camera.h"
#include "resources/resource_ids.h"
#include "scene/common_uniforms.h"
#include "scene/drawable_sky.h"
#include "tests/support/gl_function_swap.h"
#include "tests/support/gl_test_context.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kProgram = "UniformProbe";

struct UniformCall {
    GLint location;
    std::vector<float> values;
};

std::vector<UniformCall> uniformCalls;
std::vector<GLsizei> instancedDraws;
PFNGLUNIFORMMATRIX4FVPROC driverUniformMatrix4fv = nullptr;
PFNGLUNIFORM1FPROC driverUniform1f = nullptr;
PFNGLDRAWELEMENTSINSTANCEDPROC driverDrawElementsInstanced = nullptr;

void GLAPIENTRY recordMatrix(GLint location, GLsizei count, GLboolean transpose,
                             const GLfloat* value) {
    uniformCalls.push_back({location, std::vector<float>(value, value + 16)});
    driverUniformMatrix4fv(location, count, transpose, value);
}

void GLAPIENTRY recordFloat(GLint location, GLfloat value) {
    uniformCalls.push_back({location, {value}});
    driverUniform1f(location, value);
}

void GLAPIENTRY recordInstanced(GLenum mode, GLsizei count, GLenum type, const void* indices,
                                GLsizei instances) {
    instancedDraws.push_back(instances);
    driverDrawElementsInstanced(mode, count, type, indices, instances);
}

class DrawableSkyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(context.valid()) << "no GL context";
        registry.addProgram(kProgram, 981, 982);
        camera.pitch(0.0f);
        camera.updateView(0);
        camera.setProjection(perspective(40.0f, 800.0f / 600.0f, 0.1f, 1000.0f));
        uniforms.setViewportSize(800.0f, 600.0f);
        uniforms.setTime(12.5f);
        uniformCalls.clear();
        instancedDraws.clear();
        driverUniformMatrix4fv = glUniformMatrix4fv;
        driverUniform1f = glUniform1f;
        driverDrawElementsInstanced = glDrawElementsInstanced;
    }

    std::unique_ptr<GLFWDrawableSky> makeSky(const char* programName) {
        auto sky =
            std::make_unique<GLFWDrawableSky>(&uniforms, &camera, &registry, programName,
                                              RES_RECTANGLE_MODEL, RES_RECTANGLE_MATERIALS, 1.0f);
        sky->prepareBuffers();
        sky->setModelMatrix(translation(0.0f, 0.0f, 0.0f));
        return sky;
    }

    // Triangles one draw produces, counted by GL.
    GLuint primitivesOf(GLFWDrawableSky& sky, std::int32_t instanceCount) {
        GLuint query = 0;
        glGenQueries(1, &query);
        glBeginQuery(GL_PRIMITIVES_GENERATED, query);
        sky.draw(instanceCount);
        glEndQuery(GL_PRIMITIVES_GENERATED);
        GLuint primitives = 0;
        glGetQueryObjectuiv(query, GL_QUERY_RESULT, &primitives);
        glDeleteQueries(1, &query);
        return primitives;
    }

    GlTestContext context{800, 600};
    GLFWProgramRegistry registry;
    SceneCamera camera{0.0f, 0.0f, 0.0f};
    CommonUniforms uniforms;
};

TEST_F(DrawableSkyTest, UploadsTheMatricesThenTheCommonUniformsInOrder) {
    auto sky = makeSky(kProgram);
    GlFunctionSwap matrixSwap(__glewUniformMatrix4fv, recordMatrix);
    GlFunctionSwap floatSwap(__glewUniform1f, recordFloat);
    sky->draw(0);

    GLuint program = GlTestContext::currentProgram();
    const char* names[] = {"model_world", "world_projection", "model_projection",
                           "iTime",       "viewportWidth",    "viewportHeight"};
    ASSERT_EQ(uniformCalls.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        GLint expected = glGetUniformLocation(program, names[i]);
        ASSERT_NE(expected, -1) << names[i];
        EXPECT_EQ(uniformCalls[i].location, expected) << "upload " << i << " is not " << names[i];
    }

    const std::vector<float> identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    Mat4 projection = perspective(40.0f, 800.0f / 600.0f, 0.1f, 1000.0f);
    EXPECT_EQ(uniformCalls[0].values, identity);
    EXPECT_EQ(uniformCalls[1].values, std::vector<float>(data(projection), data(projection) + 16));
    EXPECT_EQ(uniformCalls[2].values, uniformCalls[1].values);
    EXPECT_EQ(uniformCalls[3].values, std::vector<float>{12.5f});
    EXPECT_EQ(uniformCalls[4].values, std::vector<float>{800.0f});
    EXPECT_EQ(uniformCalls[5].values, std::vector<float>{600.0f});
}

TEST_F(DrawableSkyTest, TheModelMatrixReachesTheModelUniformsUntransposed) {
    auto sky = makeSky(kProgram);
    Mat4 moved = translation(1.0f, 2.0f, 3.0f);
    sky->setModelMatrix(moved);
    sky->draw(0);

    GLuint program = GlTestContext::currentProgram();
    float stored[16] = {};
    glGetUniformfv(program, glGetUniformLocation(program, "model_world"), stored);
    EXPECT_EQ(std::vector<float>(stored, stored + 16),
              std::vector<float>(data(moved), data(moved) + 16));
    Mat4 projection = perspective(40.0f, 800.0f / 600.0f, 0.1f, 1000.0f);
    Mat4 modelToClip = multiply(projection, moved);
    glGetUniformfv(program, glGetUniformLocation(program, "model_projection"), stored);
    for (int i = 0; i < 16; ++i) {
        EXPECT_FLOAT_EQ(stored[i], data(modelToClip)[i]);
    }
}

TEST_F(DrawableSkyTest, DrawZeroIsOnePlainDrawAndANonZeroCountDrawsInstances) {
    auto sky = makeSky(kProgram);
    GlFunctionSwap instancedSwap(__glewDrawElementsInstanced, recordInstanced);
    EXPECT_EQ(primitivesOf(*sky, 0), 2u);
    EXPECT_TRUE(instancedDraws.empty());
    EXPECT_EQ(primitivesOf(*sky, 3), 6u);
    EXPECT_EQ(instancedDraws, std::vector<GLsizei>{3});
}

TEST_F(DrawableSkyTest, AnUnregisteredProgramNameSetsNothing) {
    registry.useProgram(kProgram);
    GLuint before = GlTestContext::currentProgram();
    auto sky = makeSky("NotRegistered");
    GlFunctionSwap matrixSwap(__glewUniformMatrix4fv, recordMatrix);
    GlFunctionSwap floatSwap(__glewUniform1f, recordFloat);
    sky->draw(0);
    EXPECT_TRUE(uniformCalls.empty());
    EXPECT_EQ(GlTestContext::currentProgram(), before);
}

TEST_F(DrawableSkyTest, PreparingTwiceKeepsTheAttributesAndUploadsAgain) {
    auto sky = makeSky(kProgram);
    sky->prepareBuffers();
    GLint size = 0;
    glGetBufferParameteriv(GL_ELEMENT_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
    EXPECT_EQ(size, 6 * 4);
    registry.useProgram(kProgram);
    GLint stride = 0;
    glGetVertexAttribiv(
        static_cast<GLuint>(glGetAttribLocation(GlTestContext::currentProgram(), "position_tex")),
        GL_VERTEX_ATTRIB_ARRAY_STRIDE, &stride);
    EXPECT_EQ(stride, 96);
    EXPECT_EQ(primitivesOf(*sky, 0), 2u);
}

} // namespace
