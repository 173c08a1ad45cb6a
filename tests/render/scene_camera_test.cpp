#include "render/scene_camera.h"

#include <gtest/gtest.h>

namespace {

void expectMatrixNear(const Mat4& actual, const Mat4& expected) {
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            EXPECT_NEAR(actual.columns[column][row], expected.columns[column][row], 1e-6f)
                << "row " << row << ", column " << column;
        }
    }
}

// The view moves the eye to the origin and turns front onto -z and up onto +y.
TEST(SceneCamera, ConstructionLooksDownNegativeZFromTheEye) {
    SceneCamera camera(1.0f, 2.0f, 3.0f);
    camera.updateView(0);
    expectMatrixNear(camera.viewMatrix(),
                     fromColumns({1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {-1, -2, -3, 1}));
}

TEST(SceneCamera, PitchZeroKeepsTheDefaultsAndGivesTheIdentityView) {
    SceneCamera camera(0.0f, 0.0f, 0.0f);
    camera.pitch(0.0f);
    camera.updateView(0);
    Mat4 view = camera.viewMatrix();
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            EXPECT_EQ(view.columns[column][row], row == column ? 1.0f : 0.0f);
        }
    }
}

// Front turns from -z to +y and up from +y to +z, so the view takes +y onto -z and +z onto +y.
TEST(SceneCamera, PitchTurnsFrontTowardsUpAboutTheRightAxis) {
    SceneCamera camera(0.0f, 0.0f, 5.0f);
    camera.pitch(90.0f);
    camera.updateView(0);
    expectMatrixNear(camera.viewMatrix(),
                     fromColumns({1, 0, 0, 0}, {0, 0, -1, 0}, {0, 1, 0, 0}, {0, -5, 0, 1}));
}

TEST(SceneCamera, UpdateViewSelectsTheSlotAndIgnoresSlotsOutOfRange) {
    SceneCamera camera(0.0f, 0.0f, 4.0f);
    camera.updateView(2);
    EXPECT_FLOAT_EQ(camera.viewMatrix().columns[3][2], -4.0f);
    // After a turn every accepted update would give a different view, so a slot out of range
    // that were taken would show.
    camera.pitch(90.0f);
    camera.updateView(5);
    camera.updateView(-1);
    EXPECT_FLOAT_EQ(camera.viewMatrix().columns[3][2], -4.0f);
    EXPECT_FLOAT_EQ(camera.viewMatrix().columns[1][1], 1.0f);
    camera.updateView(4);
    EXPECT_NE(camera.viewMatrix().columns[1][1], 1.0f) << "the last slot must be accepted";
}

} // namespace
