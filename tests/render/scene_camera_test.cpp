#include "render/scene_camera.h"

#include <gtest/gtest.h>

namespace {

void expectVec3Near(Vec3 actual, Vec3 expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-6f);
    EXPECT_NEAR(actual.y, expected.y, 1e-6f);
    EXPECT_NEAR(actual.z, expected.z, 1e-6f);
}

TEST(SceneCamera, ConstructionLooksDownNegativeZFromTheEye) {
    SceneCamera camera(1.0f, 2.0f, 3.0f);
    expectVec3Near(camera.getEye(), {1, 2, 3});
    expectVec3Near(camera.getFront(), {0, 0, -1});
    expectVec3Near(camera.getUp(), {0, 1, 0});
    expectVec3Near(camera.getTarget(), {1, 2, 2});
}

TEST(SceneCamera, PitchZeroKeepsTheDefaultsAndGivesTheIdentityView) {
    SceneCamera camera(0.0f, 0.0f, 0.0f);
    camera.pitch(0.0f);
    camera.updateView(0);
    expectVec3Near(camera.getFront(), {0, 0, -1});
    expectVec3Near(camera.getUp(), {0, 1, 0});
    expectVec3Near(camera.getTarget(), {0, 0, -1});
    Mat4 view = camera.viewMatrix();
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            EXPECT_EQ(view.columns[column][row], row == column ? 1.0f : 0.0f);
        }
    }
}

TEST(SceneCamera, PitchTurnsFrontTowardsUpAboutTheRightAxis) {
    SceneCamera camera(0.0f, 0.0f, 5.0f);
    camera.pitch(90.0f);
    expectVec3Near(camera.getFront(), {0, 1, 0});
    expectVec3Near(camera.getUp(), {0, 0, 1});
    expectVec3Near(camera.getTarget(), {0, 1, 5});
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
