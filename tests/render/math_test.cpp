#include "render/math_look_at.h"
#include "render/math_mat4.h"
#include "render/math_projection.h"
#include "render/math_radians.h"
#include "render/math_vec3.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(Vec3Math, ComponentWiseOperations) {
    Vec3 a{1.0f, -2.0f, 3.0f};
    Vec3 b{4.0f, 5.0f, -6.0f};
    Vec3 sum = add(a, b);
    Vec3 difference = subtract(a, b);
    Vec3 scaled = scale(a, 2.0f);
    Vec3 divided = divide(a, 2.0f);
    Vec3 negated = negate(a);
    for (int i = 0; i < Vec3::size(); ++i) {
        EXPECT_FLOAT_EQ(sum[i], a[i] + b[i]);
        EXPECT_FLOAT_EQ(difference[i], a[i] - b[i]);
        EXPECT_FLOAT_EQ(scaled[i], 2.0f * a[i]);
        EXPECT_FLOAT_EQ(divided[i], 0.5f * a[i]);
        EXPECT_FLOAT_EQ(negated[i], -a[i]);
    }
}

TEST(Vec3Math, LengthNormalizeAndRightHandedCross) {
    EXPECT_FLOAT_EQ(length({3.0f, 4.0f, 12.0f}), 13.0f);
    Vec3 unit = normalize({0.0f, 3.0f, 4.0f});
    EXPECT_FLOAT_EQ(unit.y, 0.6f);
    EXPECT_FLOAT_EQ(unit.z, 0.8f);

    Vec3 z = cross({1, 0, 0}, {0, 1, 0});
    EXPECT_FLOAT_EQ(z.x, 0.0f);
    EXPECT_FLOAT_EQ(z.y, 0.0f);
    EXPECT_FLOAT_EQ(z.z, 1.0f);
    Vec3 general = cross({1, 2, 3}, {4, 5, 6});
    EXPECT_FLOAT_EQ(general.x, -3.0f);
    EXPECT_FLOAT_EQ(general.y, 6.0f);
    EXPECT_FLOAT_EQ(general.z, -3.0f);
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
    expectMatrixNear(
        ab, fromColumns({1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12},
                        {1 + 10 + 27 + 13, 2 + 12 + 30 + 14, 3 + 14 + 33 + 15, 4 + 16 + 36 + 16}));
    Mat4 ba = multiply(b, a);
    EXPECT_NE(ba.columns[0][0], ab.columns[0][0]);
    expectMatrixNear(multiply(a, kIdentity), a, 0.0f);
    expectMatrixNear(multiply(kIdentity, a), a, 0.0f);
}

TEST(Projection, RadiansMatchTheExactConversionToFloatPrecision) {
    constexpr double kPi = 3.14159265358979323846;
    for (float degrees : {-90.0f, 1.0f, 40.0f, 180.0f, 720.0f}) {
        double exact = static_cast<double>(degrees) * kPi / 180.0;
        EXPECT_NEAR(radians(degrees), exact, 1e-6 * std::fabs(exact)) << degrees << " degrees";
    }
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
    Vec3 eye{1.0f, 2.0f, 5.0f};
    Mat4 view = lookAt(eye, {1.0f, 2.0f, 0.0f}, {0, 1, 0});
    expectMatrixNear(view, translation(-1.0f, -2.0f, -5.0f));

    // Looking along +x: the target lands on the negative z axis, up stays up.
    Mat4 side = lookAt({0, 0, 0}, {3, 0, 0}, {0, 1, 0});
    Mat4 point = multiply(side, translation(3, 0, 0));
    EXPECT_NEAR(point.columns[3][0], 0.0f, 1e-6f);
    EXPECT_NEAR(point.columns[3][1], 0.0f, 1e-6f);
    EXPECT_NEAR(point.columns[3][2], -3.0f, 1e-6f);
    Mat4 above = multiply(side, translation(0, 1, 0));
    EXPECT_NEAR(above.columns[3][1], 1.0f, 1e-6f);
}

} // namespace
