#include "model/triangulation.h"
#include "model/vector_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

using Indices = std::vector<std::uint32_t>;

std::vector<objl::Vertex> polygon(const std::vector<objl::Vector3>& positions) {
    std::vector<objl::Vertex> corners;
    for (const objl::Vector3& position : positions) {
        objl::Vertex corner;
        corner.position = position;
        corners.push_back(corner);
    }
    return corners;
}

TEST(VectorMath, CrossDotMagnitudeAndAngle) {
    const objl::Vector3 n = objl::crossProduct({-1, 0, 0}, {-1, 1, 0});
    EXPECT_EQ(n, (objl::Vector3{0, 0, -1}));
    EXPECT_FLOAT_EQ(objl::dotProduct({1, 2, 3}, {4, -5, 6}), 12.0f);
    EXPECT_FLOAT_EQ(objl::magnitude({3, 4, 12}), 13.0f);
    EXPECT_FLOAT_EQ(objl::angleBetween({1, 0, 0}, {0, 2, 0}), 1.5707964f);
    EXPECT_TRUE(std::isnan(objl::angleBetween({0, 0, 0}, {1, 0, 0})));
}

TEST(VectorMath, PointInTriangleIncludesEdgesAndIgnoresDistanceFromThePlane) {
    const objl::Vector3 a{0, 0, 0}, b{4, 0, 0}, c{0, 4, 0};
    EXPECT_TRUE(objl::pointInTriangle({1, 1, 0}, a, b, c));
    EXPECT_TRUE(objl::pointInTriangle({1, 1, 9}, a, b, c));
    EXPECT_TRUE(objl::pointInTriangle({2, 2, 0}, a, b, c));
    EXPECT_TRUE(objl::pointInTriangle(a, a, b, c));
    EXPECT_FALSE(objl::pointInTriangle({3, 3, 0}, a, b, c));
    EXPECT_FALSE(objl::pointInTriangle({-1, 1, 0}, a, b, c));
    EXPECT_FALSE(objl::pointInTriangle({1, 0, 0}, a, b, {2, 0, 0}));
}

TEST(Triangulation, SmallFaces) {
    EXPECT_EQ(objl::triangulatePolygon({}), Indices{});
    EXPECT_EQ(objl::triangulatePolygon(polygon({{0, 0, 0}, {1, 0, 0}})), Indices{});
    EXPECT_EQ(objl::triangulatePolygon(polygon({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}})),
              (Indices{0, 1, 2}));
}

TEST(Triangulation, QuadSplitsAlongItsSecondDiagonal) {
    EXPECT_EQ(objl::triangulatePolygon(polygon({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}})),
              (Indices{0, 1, 3, 1, 2, 3}));
}

TEST(Triangulation, ConvexPentagonClipsItsFirstCornerThenSplitsTheQuad) {
    EXPECT_EQ(
        objl::triangulatePolygon(polygon({{0, 0, 0}, {2, 0, 0}, {3, 2, 0}, {1, 3, 0}, {-1, 2, 0}})),
        (Indices{0, 1, 4, 1, 2, 4, 2, 3, 4}));
}

TEST(Triangulation, StraightCornerIsNotClipped) {
    // The first corner lies on the line between its neighbours (180 degrees).
    EXPECT_EQ(
        objl::triangulatePolygon(polygon({{1, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}, {0, 0, 0}})),
        (Indices{0, 1, 2, 0, 2, 4, 2, 3, 4}));
}

TEST(Triangulation, EarWithAnotherCornerInsideIsNotClipped) {
    // Corner 3 is a notch: it lies inside the triangles at corners 0 and 1, so 2 goes first.
    const Indices indices =
        objl::triangulatePolygon(polygon({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {2, 1, 0}, {0, 4, 0}}));
    ASSERT_GE(indices.size(), 3u);
    EXPECT_EQ(Indices(indices.begin(), indices.begin() + 3), (Indices{1, 2, 3}));
}

TEST(Triangulation, EndsWhenNoEarRemainsAfterEarlierClips) {
    // After corner 0 is clipped, corner 0 lies inside every remaining candidate ear, so the
    // second pass clips nothing and the five corners left are dropped.
    EXPECT_EQ(objl::triangulatePolygon(
                  polygon({{1, 3, 0}, {3, 4, 0}, {0, 3, 0}, {3, 2, 0}, {1, 4, 0}, {0, 1, 0}})),
              (Indices{0, 1, 5}));
}

TEST(Triangulation, EndsOnFacesWithoutAnEar) {
    // Collinear corners have no ear at all; repeated and NaN positions must not stall the
    // clipping either. Every index stays within the face.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<std::vector<objl::Vector3>> faces = {
        {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}},
        {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
        {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}},
        {{nan, 0, 0}, {1, 0, 0}, {nan, 1, 0}, {0, 1, 0}, {nan, nan, nan}},
        {{0, 0, 0}, {2, 2, 0}, {2, 0, 0}, {0, 2, 0}, {1, 3, 0}, {1, -1, 0}},
    };
    for (const auto& face : faces) {
        for (std::uint32_t index : objl::triangulatePolygon(polygon(face))) {
            EXPECT_LT(index, face.size());
        }
    }
}

} // namespace
