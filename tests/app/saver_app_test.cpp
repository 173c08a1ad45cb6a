#include "app/drawing_size.h"
#include "app/main_loop.h"
#include "app/process_state.h"
#include "app/saver_app.h"
#include "scene/scene.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

namespace {

// One saver per process, as in the real program: the window, context and GL state are made once
// for the whole suite.
class SaverAppTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        currentArgs = parseScreensaverArgs("/s");
        currentApp = new SaverApp(currentArgs);
    }

    static GLint integer(GLenum name) {
        GLint value = -1;
        glGetIntegerv(name, &value);
        return value;
    }
};

TEST_F(SaverAppTest, FullScreenWindowTakesThePrimaryMonitorsMode) {
    ASSERT_NE(currentApp->window, nullptr);
    const GLFWvidmode* mode = glfwGetVideoMode(glfwGetPrimaryMonitor());
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(windowWidth, mode->width);
    EXPECT_EQ(windowHeight, mode->height);
    EXPECT_FLOAT_EQ(windowAspect, static_cast<float>(mode->width) / mode->height);
    EXPECT_EQ(glfwGetWindowMonitor(currentApp->window), glfwGetPrimaryMonitor());
}

TEST_F(SaverAppTest, ContextIsCurrentAndTakesVersion140Shaders) {
    EXPECT_EQ(glfwGetCurrentContext(), currentApp->window);
    EXPECT_GE(glfwGetWindowAttrib(currentApp->window, GLFW_CONTEXT_VERSION_MAJOR), 2);
    ASSERT_NE(glCreateShader, nullptr) << "entry points were not loaded";
    GLuint shader = glCreateShader(GL_FRAGMENT_SHADER);
    const char* source = "#version 140\nvoid main() { gl_FragColor = vec4(1.0); }\n";
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint compiled = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    glDeleteShader(shader);
    EXPECT_EQ(compiled, GL_TRUE);
}

TEST_F(SaverAppTest, FixedGlStateIsInPlace) {
    EXPECT_EQ(integer(GL_CULL_FACE_MODE), GL_BACK);
    EXPECT_EQ(integer(GL_FRONT_FACE), GL_CW);
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(integer(GL_BLEND_SRC_RGB), GL_SRC_ALPHA);
    EXPECT_EQ(integer(GL_BLEND_SRC_ALPHA), GL_SRC_ALPHA);
    EXPECT_EQ(integer(GL_BLEND_DST_RGB), GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(integer(GL_BLEND_DST_ALPHA), GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_FALSE(glIsEnabled(GL_MULTISAMPLE));
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    EXPECT_FALSE(glIsEnabled(GL_POLYGON_SMOOTH));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    GLfloat clear[4] = {-1, -1, -1, -1};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_EQ(clear[0] + clear[1] + clear[2] + clear[3], 0.0f) << "clears must stay black";
}

TEST_F(SaverAppTest, CursorIsHiddenOverTheWindow) {
    EXPECT_EQ(glfwGetInputMode(currentApp->window, GLFW_CURSOR), GLFW_CURSOR_HIDDEN);
}

TEST_F(SaverAppTest, CloseRequestEndsTheLoopAfterOnePassWithTheLibrarysTime) {
    glfwSetWindowShouldClose(currentApp->window, GLFW_TRUE);
    double before = glfwGetTime();
    runMainLoop();
    // The other cases share the window; they must not find it closing.
    glfwSetWindowShouldClose(currentApp->window, GLFW_FALSE);
    ASSERT_NE(commonUniforms, nullptr);
    // The shaders see the time since the library started, not the time since the first frame.
    EXPECT_GE(commonUniforms->getTime(), static_cast<float>(before));
    EXPECT_GT(commonUniforms->getTime(), 0.0f);
    EXPECT_EQ(commonUniforms->getViewportWidth(), static_cast<float>(windowWidth));
    EXPECT_EQ(commonUniforms->getViewportHeight(), static_cast<float>(windowHeight));
}

} // namespace
