#include "model/mesh_geometry.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

using Floats = std::vector<float>;

Floats vertexFloats(MeshGeometry& geometry, int vertex, int offset, int count) {
    const float* data = geometry.getVertexData() + vertex * geometry.getStride() + offset;
    return Floats(data, data + count);
}

void expectFloats(const Floats& actual, const Floats& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_FLOAT_EQ(actual[i], expected[i]) << "component " << i;
    }
}

std::unique_ptr<MeshArrays> arraysOf(const std::string& obj, const std::string& mtl, float scale) {
    objl::ModelReader reader;
    EXPECT_TRUE(reader.loadModelText(obj, mtl));
    return std::make_unique<MeshArrays>(reader, scale);
}

TEST(MeshGeometry, CompiledInRectangleInTheDrawingLayout) {
    MeshGeometry geometry(RES_RECTANGLE_MODEL, RES_RECTANGLE_MATERIALS, 1.0f);
    EXPECT_EQ(geometry.getStride(), 24);
    EXPECT_EQ(geometry.getVertexBytes(), 576);
    EXPECT_EQ(geometry.getIndexBytes(), 24);
    ASSERT_EQ(geometry.getIndexCount(), 6);
    EXPECT_EQ(std::vector<std::uint32_t>(geometry.getIndexData(), geometry.getIndexData() + 6),
              (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));

    const Floats positions[6] = {{-1, 1, 0}, {-1, -1, 0}, {1, 1, 0},
                                 {1, -1, 0}, {1, 1, 0},   {-1, -1, 0}};
    const Floats texCoords[6] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}, {1, 1}, {0, 0}};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        expectFloats(vertexFloats(geometry, i, 0, 3), positions[i]);
        expectFloats(vertexFloats(geometry, i, 3, 2), texCoords[i]);
        expectFloats(vertexFloats(geometry, i, 5, 3), {0, 0, 1});
        EXPECT_TRUE(std::signbit(vertexFloats(geometry, i, 6, 1)[0]));
        expectFloats(vertexFloats(geometry, i, 8, 3), {1, 0, 0});
        expectFloats(vertexFloats(geometry, i, 11, 3), {0, 1, 0});
        expectFloats(vertexFloats(geometry, i, 14, 3), {0.7765f, 0.8824f, 0.3412f});
        expectFloats(vertexFloats(geometry, i, 17, 3), {0.7765f, 0.8824f, 0.3412f});
        expectFloats(vertexFloats(geometry, i, 20, 4), {0.35f, 0.35f, 0.35f, 32.0f});
    }
}

TEST(MeshGeometry, ScaleMovesPositionsOnly) {
    const std::string obj = "v 0 0 0\nv 3 0 0\nv 0 3 0\nvt 0 0\nvt 1 0\nvt 0 1\nvn 0 0 2\n"
                            "f 1/1/1 2/2/1 3/3/1\n";
    MeshGeometry geometry(arraysOf(obj, "", 2.0f));
    ASSERT_EQ(geometry.getVertexBytes(), 3 * 96);
    expectFloats(vertexFloats(geometry, 1, 0, 3), {6, 0, 0});
    expectFloats(vertexFloats(geometry, 2, 0, 3), {0, 6, 0});
    expectFloats(vertexFloats(geometry, 1, 3, 2), {1, 0});
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        expectFloats(vertexFloats(geometry, i, 5, 3), {0, 0, 1});
        expectFloats(vertexFloats(geometry, i, 8, 3), {1, 0, 0});
        expectFloats(vertexFloats(geometry, i, 11, 3), {0, 1, 0});
    }
}

TEST(MeshGeometry, MeshesAreConcatenatedWithTheirOwnMaterials) {
    const std::string mtl = "newmtl red\nKa 0.1 0.2 0.3\nKd 1 0 0\nKs 0.4 0.5 0.6\nNs 8\n"
                            "newmtl blue\nKd 0 0 1\n";
    const std::string obj = "mtllib m.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"
                            "o A\nusemtl red\nf 1 2 3\no B\nusemtl blue\nf 1 2 3 4\n";
    auto arrays = arraysOf(obj, mtl, 1.0f);
    EXPECT_EQ(arrays->vertexCount, 7);
    EXPECT_EQ(arrays->indexCount, 9);
    MeshGeometry geometry(std::move(arrays));
    ASSERT_EQ(geometry.getIndexCount(), 9);
    EXPECT_EQ(std::vector<std::uint32_t>(geometry.getIndexData(), geometry.getIndexData() + 9),
              (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 6, 4, 5, 6}));
    EXPECT_EQ(geometry.getVertexBytes(), 7 * 96);
    EXPECT_EQ(geometry.getIndexBytes(), 36);

    expectFloats(vertexFloats(geometry, 2, 14, 10),
                 {0.1f, 0.2f, 0.3f, 1, 0, 0, 0.4f, 0.5f, 0.6f, 8});
    expectFloats(vertexFloats(geometry, 3, 14, 10), {0, 0, 0, 0, 0, 1, 0, 0, 0, 0});
    expectFloats(vertexFloats(geometry, 5, 0, 3), {1, 1, 0});
}

TEST(MeshGeometry, NormalsAreScaledToUnitLength) {
    const std::string obj = "v 0 0 0\nv 1 0 0\nv 0 1 0\nvn 3 0 4\nf 1//1 2//1 3//1\n";
    MeshGeometry geometry(arraysOf(obj, "", 1.0f));
    expectFloats(vertexFloats(geometry, 0, 5, 3), {0.6f, 0, 0.8f});
}

TEST(MeshGeometry, DegenerateTexturesAndNormalsGiveNonFiniteValuesWithoutFailing) {
    const std::string obj = "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0.5 0.5\nvn 0 0 0\n"
                            "f 1/1/1 2/1/1 3/1/1\n";
    MeshGeometry geometry(arraysOf(obj, "", 1.0f));
    EXPECT_FALSE(std::isfinite(vertexFloats(geometry, 0, 5, 1)[0]));
    EXPECT_FALSE(std::isfinite(vertexFloats(geometry, 0, 8, 1)[0]));
    EXPECT_FALSE(std::isfinite(vertexFloats(geometry, 0, 11, 1)[0]));
}

TEST(MeshGeometry, TrailingIncompleteTriangleGetsNoTangentFrame) {
    objl::ModelReader reader;
    objl::Mesh mesh;
    const float corners[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (const auto& corner : corners) {
        objl::Vertex vertex;
        vertex.position = {corner[0], corner[1], 0};
        vertex.texCoord = {corner[0], corner[1]};
        vertex.normal = {0, 0, 1};
        mesh.vertices.push_back(vertex);
    }
    mesh.indices = {0, 1, 2, 3};
    reader.meshes.push_back(mesh);

    MeshGeometry geometry(std::make_unique<MeshArrays>(reader, 1.0f));
    EXPECT_EQ(geometry.getIndexCount(), 4);
    expectFloats(vertexFloats(geometry, 2, 8, 6), {1, 0, 0, 0, 1, 0});
    expectFloats(vertexFloats(geometry, 3, 8, 6), {0, 0, 0, 0, 0, 0});
}

} // namespace
