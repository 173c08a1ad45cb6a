#include "windowing/gl_window.h"
#include "windowing/library.h"

// The loader's header comes before the library's, which would otherwise bring in gl.h.
#include <GL/glew.h>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// The saver's full-screen window: on the primary monitor at its mode, with a current context that
// takes the saver's "#version 140" shaders, and the conduct it was asked for.
TEST(GlWindow, FullScreenOnThePrimaryMonitorWithTheSaversContext) {
    ASSERT_TRUE(windowing::startLibrary());
    std::vector<windowing::Monitor> monitors = windowing::allMonitors();
    ASSERT_FALSE(monitors.empty());
    const windowing::Monitor& primary = monitors.front();
    windowing::WindowConduct conduct;
    conduct.hideCursor = true;
    std::unique_ptr<windowing::GlWindow> window =
        windowing::GlWindow::openFullScreen(primary, {primary.width, primary.height}, conduct);
    ASSERT_NE(window, nullptr);
    // A new window's context is current.
    GLFWwindow* handle = glfwGetCurrentContext();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(glfwGetWindowMonitor(handle), glfwGetPrimaryMonitor());
    EXPECT_EQ(window->monitor(), primary.id);
    int width = 0, height = 0;
    glfwGetWindowSize(handle, &width, &height);
    EXPECT_EQ(width, primary.width);
    EXPECT_EQ(height, primary.height);
    EXPECT_EQ(glfwGetInputMode(handle, GLFW_CURSOR), GLFW_CURSOR_HIDDEN);

    ASSERT_NE(glCreateShader, nullptr) << "entry points were not loaded";
    GLuint shader = glCreateShader(GL_FRAGMENT_SHADER);
    const char* source = "#version 140\nvoid main() { gl_FragColor = vec4(1.0); }\n";
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint compiled = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    glDeleteShader(shader);
    EXPECT_EQ(compiled, GL_TRUE);

    window.reset();
    windowing::stopLibrary();
}

} // namespace
