#include "tests/windowing/adopted_fire.h"

#include "scene/scene.h"

// The loader's header comes before the library's, which would otherwise bring in gl.h.
#include <GL/glew.h>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

void expectFireDrawnInto(GLFWwindow* window) {
    glfwMakeContextCurrent(window);
    glewInit();
    int width = 0, height = 0;
    glfwGetFramebufferSize(window, &width, &height);
    ASSERT_EQ(width, 152);
    ASSERT_EQ(height, 112);
    setUpScene();
    renderFrame(frameInput(width, height, 4.0f));
    unsigned char bottom[4] = {}, corner[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(width / 2, 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, bottom);
    glReadPixels(1, height - 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, corner);
    EXPECT_GE(bottom[0], 200) << "the flames' hot base";
    // The fire's colours never have more green than red or more blue than green.
    EXPECT_GE(bottom[0], bottom[1]);
    EXPECT_GE(bottom[1], bottom[2]);
    EXPECT_LE(corner[0] + corner[1] + corner[2], 30) << "the dark upper corner";
}
