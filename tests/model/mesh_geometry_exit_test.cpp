#include "model/mesh_geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(MeshGeometryDeathTest, UnreadableModelEndsTheProcessWithStatusZero) {
    EXPECT_EXIT(MeshGeometry(4321, 4322, 1.0f), ::testing::ExitedWithCode(0),
                "Debug: Failed to load mesh");
}

} // namespace
