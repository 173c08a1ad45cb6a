#include "render/math_look_at.h"
#include "render/math_mat4.h"
#include "render/math_projection.h"
#include "render/math_radians.h"
#include "render/math_vec3.h"

#include <gtest/gtest.h>

namespace {

void expectMatrixNear(const Mat4& actual, const Mat4& expected, float tolerance = 1e-6f) {
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            EXPECT_NEAR(actual.columns[column][row], expected.columns[column][row], tolerance)
                << "row " << row << ", column " << column;
        }
    }
}

const Mat4 kIdentity = fromColumns({1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1});

// Read through the index, which checks it on the way.
void expectVec3(const Vec3& v, float x, float y, float z) {
    EXPECT_FLOAT_EQ(v[0], x);
    EXPECT_FLOAT_EQ(v[1], y);
    EXPECT_FLOAT_EQ(v[2], z);
}

TEST(Vec3Math, ComponentWiseOperations) {
    Vec3 a{1.0f, -2.0f, 3.0f};
    Vec3 b{4.0f, 5.0f, -6.0f};
    expectVec3(add(a, b), 5.0f, 3.0f, -3.0f);
    expectVec3(subtract(a, b), -3.0f, -7.0f, 9.0f);
    expectVec3(scale(a, 2.0f), 2.0f, -4.0f, 6.0f);
    expectVec3(divide(a, 2.0f), 0.5f, -1.0f, 1.5f);
    expectVec3(negate(a), -1.0f, 2.0f, -3.0f);
}

TEST(Vec3Math, LengthNormalizeAndRightHandedCross) {
    EXPECT_FLOAT_EQ(length({3.0f, 4.0f, 12.0f}), 13.0f);
    expectVec3(normalize({0.0f, 3.0f, 4.0f}), 0.0f, 0.6f, 0.8f);
    expectVec3(cross({1, 0, 0}, {0, 1, 0}), 0.0f, 0.0f, 1.0f);
    expectVec3(cross({1, 2, 3}, {4, 5, 6}), -3.0f, 6.0f, -3.0f);
}

TEST(Mat4Math, ColumnsLieInUploadOrder) {
    Mat4 m = fromColumns({1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16});
    const float* floats = data(m);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(floats[i], static_cast<float>(i + 1));
    }
}

TEST(Mat4Math, TranslationPutsTheOffsetInTheLastColumn) {
    expectMatrixNear(translation(0, 0, 0), kIdentity, 0.0f);
    Mat4 moved = translation(Vec3{2.0f, -3.0f, 4.0f});
    expectMatrixNear(moved, fromColumns({1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {2, -3, 4, 1}),
                     0.0f);
}

TEST(Mat4Math, MultiplyIsTheRowByColumnProductAndNotCommutative) {
    Mat4 a = fromColumns({1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16});
    Mat4 b = translation(1.0f, 2.0f, 3.0f);
    // a * b keeps a's first three columns and adds a * (1, 2, 3, 1) as the fourth.
    Mat4 ab = multiply(a, b);
    expectMatrixNear(ab,
                     fromColumns({1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {51, 58, 65, 72}));
    Mat4 ba = multiply(b, a);
    EXPECT_NE(ba.columns[0][0], ab.columns[0][0]);
    expectMatrixNear(multiply(a, kIdentity), a, 0.0f);
    expectMatrixNear(multiply(kIdentity, a), a, 0.0f);
}

TEST(Projection, RadiansMatchTheExactConversionToFloatPrecision) {
    EXPECT_FLOAT_EQ(radians(-90.0f), -1.5707963f);
    EXPECT_FLOAT_EQ(radians(1.0f), 0.017453292f);
    EXPECT_FLOAT_EQ(radians(40.0f), 0.69813170f);
    EXPECT_FLOAT_EQ(radians(180.0f), 3.1415927f);
    EXPECT_FLOAT_EQ(radians(720.0f), 12.566371f);
    static_assert(radians(0.0f) == 0.0f, "usable in constant expressions");
}

TEST(Projection, PerspectiveOfTheSaversFieldOfView) {
    Mat4 p = perspective(40.0f, 800.0f / 600.0f, 0.1f, 1000.0f);
    EXPECT_NEAR(p.columns[1][1], 2.7474775f, 1e-5f);
    EXPECT_NEAR(p.columns[0][0], 2.0606081f, 1e-5f);
    EXPECT_NEAR(p.columns[2][2], -1.0002f, 1e-6f);
    EXPECT_NEAR(p.columns[3][2], -0.20002f, 1e-6f);
    EXPECT_EQ(p.columns[2][3], -1.0f);
    EXPECT_EQ(p.columns[3][3], 0.0f);
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            bool set = (row == column && row < 3) || (column == 2 && row == 3) ||
                       (column == 3 && row == 2);
            if (!set) {
                EXPECT_EQ(p.columns[column][row], 0.0f) << "row " << row << ", column " << column;
            }
        }
    }
}

TEST(Projection, LookAtDownTheNegativeZAxisFromTheOriginIsTheIdentity) {
    expectMatrixNear(lookAt({0, 0, 0}, {0, 0, -1}, {0, 1, 0}), kIdentity, 0.0f);
}

TEST(Projection, LookAtMovesTheEyeToTheOriginAndTheTargetOntoNegativeZ) {
    expectMatrixNear(lookAt({1.0f, 2.0f, 5.0f}, {1.0f, 2.0f, 0.0f}, {0, 1, 0}),
                     fromColumns({1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {-1, -2, -5, 1}));
    // Looking along +x: +x goes onto -z, +z onto +x, and up stays up.
    expectMatrixNear(lookAt({0, 0, 0}, {3, 0, 0}, {0, 1, 0}),
                     fromColumns({0, 0, -1, 0}, {0, 1, 0, 0}, {1, 0, 0, 0}, {0, 0, 0, 1}));
}

} // namespace
