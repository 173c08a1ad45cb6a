#include "scene/scene.h"
#include "scene/text_overlay.h"
#include "tests/support/gl_test_context.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

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
    EXPECT_EQ(GlTestContext::currentUniform("viewportWidth"), 800.0f);
    EXPECT_EQ(GlTestContext::currentUniform("viewportHeight"), 600.0f);
    EXPECT_EQ(GlTestContext::currentUniform("iTime"), 3.25f);
}

TEST_F(SceneTest, ANewDrawingSizeTakesEffectInTheNextFrame) {
    renderFrame(frameInput(400, 300, 3.25f));
    EXPECT_EQ(viewport(), (std::array<GLint, 4>{0, 0, 400, 300}));
    EXPECT_EQ(GlTestContext::currentUniform("viewportWidth"), 400.0f);
    EXPECT_EQ(GlTestContext::currentUniform("viewportHeight"), 300.0f);
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

// The text reads on every part of the fire: white strokes in a black outline, on a white
// background as on a black one, confined to the bottom-left corner.
TEST_F(SceneTest, OverlayTextIsWhiteInABlackOutlineInTheBottomLeftCorner) {
    TextOverlay* overlay = createTextOverlay();
    overlay->setText("FPS:  60.0\nLoad: 12.5%");
    for (float background : {1.0f, 0.0f}) {
        glClearColor(background, background, background, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glViewport(0, 0, 800, 600);
        overlay->draw(800, 600);
        std::vector<unsigned char> rgba(800 * 600 * 4);
        glReadPixels(0, 0, 800, 600, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        int white = 0;
        int black = 0;
        int changedOutside = 0;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                const unsigned char* p = &rgba[static_cast<std::size_t>((y * 800 + x) * 4)];
                bool isWhite = p[0] == 255 && p[1] == 255 && p[2] == 255;
                bool isBlack = p[0] == 0 && p[1] == 0 && p[2] == 0;
                bool isBackground = background > 0.5f ? isWhite : isBlack;
                if (x >= 200 || y >= 80) {
                    changedOutside += isBackground ? 0 : 1;
                } else {
                    white += isWhite ? 1 : 0;
                    black += isBlack ? 1 : 0;
                }
            }
        }
        // On white the text's own pixels hide among the background's, and on black its outline.
        EXPECT_GE(background > 0.5f ? black : white, 400) << "background " << background;
        EXPECT_EQ(white + black, 200 * 80) << "background " << background;
        EXPECT_EQ(changedOutside, 0) << "background " << background;
    }
    // The last pass drew on black. "F" comes first: the end of its top bar and the foot of its
    // stem are lit and the bottom right of its grid is not, which upside down or mirrored changes.
    const std::array<unsigned char, 3> lit{255, 255, 255};
    EXPECT_EQ(pixel(20, 68), lit);
    EXPECT_EQ(pixel(12, 52), lit);
    EXPECT_NE(pixel(20, 52), lit);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    delete overlay;
}

} // namespace
