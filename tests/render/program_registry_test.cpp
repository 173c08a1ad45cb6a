#include "render/program_registry.h"
#include "tests/support/gl_function_swap.h"
#include "tests/support/gl_test_context.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kProbeVertex = 961;
constexpr int kProbeFragment = 962;
constexpr int kPlainVertex = 963;
constexpr int kPlainFragment = 964;

struct LocationQuery {
    std::string kind;
    std::string name;
};

std::vector<LocationQuery> queries;
PFNGLGETUNIFORMLOCATIONPROC driverGetUniformLocation = nullptr;
PFNGLGETATTRIBLOCATIONPROC driverGetAttribLocation = nullptr;

GLint GLAPIENTRY recordUniformQuery(GLuint program, const GLchar* name) {
    queries.push_back({"uniform", name});
    return driverGetUniformLocation(program, name);
}

GLint GLAPIENTRY recordAttributeQuery(GLuint program, const GLchar* name) {
    queries.push_back({"attribute", name});
    return driverGetAttribLocation(program, name);
}

class ProgramRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(context.valid()) << "no GL context"; }

    GlTestContext context;
    GLFWProgramRegistry registry;
};

TEST_F(ProgramRegistryTest, NamesMatchExactlyByTheirBytes) {
    registry.addProgram("Probe", kProbeVertex, kProbeFragment);
    EXPECT_NE(registry.findProgram("Probe"), nullptr);
    EXPECT_EQ(registry.findProgram("probe"), nullptr);
    EXPECT_EQ(registry.findProgram("PROBE"), nullptr);
    EXPECT_EQ(registry.findProgram("Probe "), nullptr);
    EXPECT_EQ(registry.findProgram("Never registered"), nullptr);
}

TEST_F(ProgramRegistryTest, TheFirstProgramRegisteredUnderANameStays) {
    registry.addProgram("Shared", kPlainVertex, kPlainFragment);
    GLFWProgram* first = registry.findProgram("Shared");
    registry.addProgram("Shared", kProbeVertex, kProbeFragment);
    EXPECT_EQ(registry.findProgram("Shared"), first);

    registry.useProgram("Shared");
    GLuint current = GlTestContext::currentProgram();
    ASSERT_NE(current, 0u);
    // Only the first program's shaders declare this uniform.
    EXPECT_NE(glGetUniformLocation(current, "only_in_plain"), -1);
    EXPECT_EQ(glGetUniformLocation(current, "iTime"), -1);
}

TEST_F(ProgramRegistryTest, UseProgramMakesTheNamedProgramCurrentAndIgnoresUnknownNames) {
    registry.addProgram("Probe", kProbeVertex, kProbeFragment);
    registry.addProgram("Plain", kPlainVertex, kPlainFragment);
    registry.useProgram("Probe");
    GLuint probe = GlTestContext::currentProgram();
    EXPECT_NE(glGetUniformLocation(probe, "iTime"), -1);

    registry.useProgram("Missing");
    EXPECT_EQ(GlTestContext::currentProgram(), probe);
    registry.useProgram("Plain");
    EXPECT_NE(GlTestContext::currentProgram(), probe);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ProgramRegistryTest, ProgramLinksFromTheTextsUpToTheirFirstTilde) {
    // The vertex text holds a line that is not GLSL after its first '~'.
    registry.addProgram("Probe", kProbeVertex, kProbeFragment);
    registry.useProgram("Probe");
    GLint linked = 0;
    glGetProgramiv(GlTestContext::currentProgram(), GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
}

TEST_F(ProgramRegistryTest, LocationsAreAskedOfGlOnceAndShareOneCache) {
    registry.addProgram("Probe", kProbeVertex, kProbeFragment);
    GLFWProgram* program = registry.findProgram("Probe");
    ASSERT_NE(program, nullptr);
    registry.useProgram("Probe");
    GLuint id = GlTestContext::currentProgram();
    queries.clear();
    driverGetUniformLocation = glGetUniformLocation;
    driverGetAttribLocation = glGetAttribLocation;
    GlFunctionSwap uniformSwap(__glewGetUniformLocation, recordUniformQuery);
    GlFunctionSwap attributeSwap(__glewGetAttribLocation, recordAttributeQuery);

    std::int32_t time = program->getUniformLocation("iTime");
    EXPECT_NE(time, -1);
    EXPECT_EQ(program->getUniformLocation("iTime"), time);
    ASSERT_EQ(queries.size(), 1u);
    EXPECT_EQ(queries[0].kind, "uniform");

    // An attribute asked under a name first asked as a uniform gets the cached uniform value.
    EXPECT_EQ(program->getAttributeLocation("iTime"), time);
    EXPECT_EQ(queries.size(), 1u);

    std::int32_t position = program->getAttributeLocation("position");
    EXPECT_EQ(position, driverGetAttribLocation(id, "position"));
    EXPECT_EQ(program->getAttributeLocation("position"), position);
    ASSERT_EQ(queries.size(), 2u);
    EXPECT_EQ(queries[1].kind, "attribute");
    EXPECT_EQ(queries[1].name, "position");

    // A declared but unused uniform is -1, from the cache after the first query.
    EXPECT_EQ(program->getUniformLocation("unused_matrix"), -1);
    EXPECT_EQ(program->getUniformLocation("unused_matrix"), -1);
    EXPECT_EQ(queries.size(), 3u);
}

TEST_F(ProgramRegistryTest, EachProgramHasItsOwnCache) {
    registry.addProgram("Probe", kProbeVertex, kProbeFragment);
    registry.addProgram("Plain", kPlainVertex, kPlainFragment);
    queries.clear();
    driverGetUniformLocation = glGetUniformLocation;
    GlFunctionSwap uniformSwap(__glewGetUniformLocation, recordUniformQuery);
    registry.findProgram("Probe")->getUniformLocation("only_in_plain");
    EXPECT_NE(registry.findProgram("Plain")->getUniformLocation("only_in_plain"), -1);
    EXPECT_EQ(queries.size(), 2u);
}

} // namespace
