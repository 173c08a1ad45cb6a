#include "scene/scene.h"
#include "tests/support/gl_test_context.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <array>

namespace {

// The scene exists once per process, as in the saver: one context and one set-up for the suite.
class SceneTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        context = new GlTestContext(800, 600);
        if (context->valid()) {
            setUpScene();
        }
    }

    static void TearDownTestSuite() {
        delete context;
        context = nullptr;
    }

    void SetUp() override { ASSERT_TRUE(context->valid()) << "no GL context"; }

    static float uniform(const char* name) {
        GLint program = 0;
        glGetIntegerv(GL_CURRENT_PROGRAM, &program);
        float value = -1.0f;
        glGetUniformfv(static_cast<GLuint>(program),
                       glGetUniformLocation(static_cast<GLuint>(program), name), &value);
        return value;
    }

    static std::array<GLint, 4> viewport() {
        std::array<GLint, 4> box{};
        glGetIntegerv(GL_VIEWPORT, box.data());
        return box;
    }

    static std::array<unsigned char, 3> pixel(int x, int y) {
        std::array<unsigned char, 4> rgba{};
        glReadBuffer(GL_BACK);
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return {rgba[0], rgba[1], rgba[2]};
    }

    static GlTestContext* context;
};

GlTestContext* SceneTest::context = nullptr;

TEST_F(SceneTest, AFrameUsesItsSizeAndTime) {
    renderFrame(frameInput(800, 600, 3.25f));
    EXPECT_EQ(viewport(), (std::array<GLint, 4>{0, 0, 800, 600}));
    EXPECT_EQ(uniform("viewportWidth"), 800.0f);
    EXPECT_EQ(uniform("viewportHeight"), 600.0f);
    EXPECT_EQ(uniform("iTime"), 3.25f);
}

TEST_F(SceneTest, ANewDrawingSizeTakesEffectInTheNextFrame) {
    renderFrame(frameInput(400, 300, 3.25f));
    EXPECT_EQ(viewport(), (std::array<GLint, 4>{0, 0, 400, 300}));
    EXPECT_EQ(uniform("viewportWidth"), 400.0f);
    EXPECT_EQ(uniform("viewportHeight"), 300.0f);
}

TEST_F(SceneTest, TheFrameIsTheFireOverTheWholeViewport) {
    renderFrame(frameInput(800, 600, 2.0f));
    // White at the bottom centre, black in the upper corners where neither flames nor smoke reach.
    std::array<unsigned char, 3> bottom = pixel(400, 1);
    EXPECT_GE(bottom[0], 250);
    EXPECT_GE(bottom[1], 250);
    EXPECT_GE(bottom[2], 250);
    std::array<unsigned char, 3> corner = pixel(1, 598);
    EXPECT_LE(corner[0] + corner[1] + corner[2], 6);
}

} // namespace
