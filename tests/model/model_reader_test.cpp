#include "model/model_reader.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Indices = std::vector<std::uint32_t>;

const char* const unitTriangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";

void expectVector(const objl::Vector3& v, float x, float y, float z) {
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}

void expectVector(const objl::Vector2& v, float x, float y) {
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
}

std::vector<std::string> meshNames(const objl::ModelReader& reader) {
    std::vector<std::string> names;
    for (const objl::Mesh& mesh : reader.meshes) {
        names.push_back(mesh.name);
    }
    return names;
}

TEST(ModelReader, CompiledInRectangleGivesOneMeshOfTwoTriangles) {
    objl::ModelReader reader;
    ASSERT_TRUE(reader.loadModel(RES_RECTANGLE_MODEL, RES_RECTANGLE_MATERIALS));

    ASSERT_EQ(reader.materials.size(), 1u);
    const objl::Material& material = reader.materials[0];
    EXPECT_EQ(material.name, "wire_198225087");
    expectVector(material.ambientColor, 0.7765f, 0.8824f, 0.3412f);
    expectVector(material.diffuseColor, 0.7765f, 0.8824f, 0.3412f);
    expectVector(material.specularColor, 0.35f, 0.35f, 0.35f);
    EXPECT_FLOAT_EQ(material.specularExponent, 32.0f);
    EXPECT_FLOAT_EQ(material.dissolve, 1.0f);
    EXPECT_EQ(material.illuminationModel, 2);
    EXPECT_FLOAT_EQ(material.opticalDensity, 0.0f);

    ASSERT_EQ(reader.meshes.size(), 1u);
    const objl::Mesh& mesh = reader.meshes[0];
    EXPECT_EQ(mesh.name, "Plane001");
    EXPECT_EQ(mesh.material.name, "wire_198225087");
    EXPECT_EQ(mesh.indices, (Indices{0, 1, 2, 3, 4, 5}));
    ASSERT_EQ(mesh.vertices.size(), 6u);
    const float positions[6][2] = {{-1, 1}, {-1, -1}, {1, 1}, {1, -1}, {1, 1}, {-1, -1}};
    const float texCoords[6][2] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}, {1, 1}, {0, 0}};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const objl::Vertex& vertex = mesh.vertices[i];
        expectVector(vertex.position, positions[i][0], positions[i][1], 0.0f);
        expectVector(vertex.texCoord, texCoords[i][0], texCoords[i][1]);
        expectVector(vertex.normal, 0.0f, 0.0f, 1.0f);
        EXPECT_TRUE(std::signbit(vertex.normal.y));
    }

    EXPECT_EQ(reader.allIndices, mesh.indices);
    ASSERT_EQ(reader.allVertices.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(reader.allVertices[i].position, mesh.vertices[i].position);
    }
}

TEST(ModelReader, ProgressLinesOfTheCompiledInRectangle) {
    objl::ModelReader reader;
    testing::internal::CaptureStdout();
    const bool loaded = reader.loadModel(RES_RECTANGLE_MODEL, RES_RECTANGLE_MATERIALS);
    const std::string output = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(loaded);

    const std::string counts =
        "\r- Plane001\t| vertices > 4\t| texcoords > 4\t| normals > 1\t| triangles > 0";
    EXPECT_EQ(output,
              "\n" + counts + "\n" + counts + counts + "\t| material: wire_198225087" + "\n");
}

TEST(ModelReader, ProgressLineRecursEveryThousandLines) {
    std::string obj = "o A\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";
    for (int i = 0; i < 996; ++i) {
        obj += "# filler\n";
    }
    obj += "# the thousandth line after the object line\n";
    objl::ModelReader reader;
    testing::internal::CaptureStdout();
    const bool loaded = reader.loadModelText(obj, "");
    const std::string output = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(output, "\n"
                      "\r- A\t| vertices > 0\t| texcoords > 0\t| normals > 0\t| triangles > 0"
                      "\r- A\t| vertices > 3\t| texcoords > 0\t| normals > 0\t| triangles > 1"
                      "\n");
}

TEST(ModelReader, CornersWithoutNormalsGetTheFaceNormalUnnormalised) {
    objl::ModelReader reader;
    ASSERT_TRUE(reader.loadModelText(std::string(unitTriangle) + "vn 0 0 1\nf 1 2 3//1\n", ""));
    for (const objl::Vertex& vertex : reader.allVertices) {
        expectVector(vertex.normal, 0.0f, 0.0f, -1.0f);
    }

    ASSERT_TRUE(reader.loadModelText("v 0 0 0\nv 2 0 0\nv 0 2 0\nvt 0.5 0.5\nf 1/1 2/1 3/1\n", ""));
    ASSERT_EQ(reader.allVertices.size(), 3u);
    for (const objl::Vertex& vertex : reader.allVertices) {
        expectVector(vertex.normal, 0.0f, 0.0f, -4.0f);
        expectVector(vertex.texCoord, 0.5f, 0.5f);
    }
}

TEST(ModelReader, NegativeIndicesAndThePositionNormalForm) {
    objl::ModelReader reader;
    ASSERT_TRUE(reader.loadModelText("v 9 9 9\nv 8 8 8\n"
                                     "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
                                     "vt 0.5 0.5\nvn 0 0 1\nvn 0 1 0\n"
                                     "f -3//-1 -2//-1 -1//1\n",
                                     ""));
    ASSERT_EQ(reader.allVertices.size(), 3u);
    expectVector(reader.allVertices[0].position, 0, 0, 0);
    expectVector(reader.allVertices[1].position, 1, 0, 0);
    expectVector(reader.allVertices[2].position, 0, 1, 0);
    expectVector(reader.allVertices[0].normal, 0, 1, 0);
    expectVector(reader.allVertices[2].normal, 0, 0, 1);
    for (const objl::Vertex& vertex : reader.allVertices) {
        expectVector(vertex.texCoord, 0.0f, 0.0f);
    }
}

TEST(ModelReader, TexCoordLinesKeepTwoNumbersAndPositionsSkipExtraBlanks) {
    objl::ModelReader reader;
    ASSERT_TRUE(reader.loadModelText("v  0 0 0\nv 1 0 0 1\nv\t0 1 0\nvt 0.5 0.25 0\n"
                                     "f 1/1 2/1 3/1\n",
                                     ""));
    ASSERT_EQ(reader.allVertices.size(), 3u);
    expectVector(reader.allVertices[0].texCoord, 0.5f, 0.25f);
    expectVector(reader.allVertices[1].position, 1, 0, 0);
    expectVector(reader.allVertices[2].position, 0, 1, 0);
}

TEST(ModelReader, QuadFacesAreTriangulatedInBothIndexLists) {
    objl::ModelReader reader;
    ASSERT_TRUE(reader.loadModelText("v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"
                                     "o A\nf 1 2 3\no B\nf 1 2 3 4\n",
                                     ""));
    ASSERT_EQ(reader.meshes.size(), 2u);
    EXPECT_EQ(reader.meshes[1].indices, (Indices{0, 1, 3, 1, 2, 3}));
    EXPECT_EQ(reader.allIndices, (Indices{0, 1, 2, 3, 4, 6, 4, 5, 6}));
    EXPECT_EQ(reader.allVertices.size(), 7u);
}

TEST(ModelReader, MeshNamesFromObjectAndGroupLines) {
    objl::ModelReader reader;
    ASSERT_TRUE(reader.loadModelText(std::string(unitTriangle) + "f 1 2 3\n", ""));
    EXPECT_EQ(meshNames(reader), std::vector<std::string>{""});

    ASSERT_TRUE(reader.loadModelText(std::string(unitTriangle) + "f 1 2 3\no A\nf 1 2 3\n", ""));
    ASSERT_EQ(meshNames(reader), std::vector<std::string>{"A"});
    EXPECT_EQ(reader.meshes[0].vertices.size(), 6u);

    ASSERT_TRUE(reader.loadModelText(std::string(unitTriangle) + "o A\nf 1 2 3\ng\nf 1 2 3\n", ""));
    EXPECT_EQ(meshNames(reader), (std::vector<std::string>{"A", ""}));

    ASSERT_TRUE(reader.loadModelText(std::string(unitTriangle) + "group1 x\nf 1 2 3\n", ""));
    EXPECT_EQ(meshNames(reader), std::vector<std::string>{"unnamed"});

    // A carriage return goes together with the character after it, whatever that is.
    ASSERT_TRUE(reader.loadModelText(
        std::string(unitTriangle) + "o A\no B\r!\nf 1 2 3\ng  C \t\nf 1 2 3\n", ""));
    EXPECT_EQ(meshNames(reader), (std::vector<std::string>{"B", "C"}));
}

TEST(ModelReader, MaterialChangesSplitAnObjectAndAssignByPosition) {
    const std::string mtl = "newmtl m1\nKd 1 0 0\nnewmtl m2\nKd 0 1 0\nnewmtl m3\nKd 0 0 1\n";
    const std::string obj = std::string(unitTriangle) +
                            "mtllib any.mtl\no A\nusemtl m1\nf 1 2 3\nusemtl m2\nf 1 2 3\n"
                            "usemtl m3\nf 1 2 3\n";
    objl::ModelReader reader;
    ASSERT_TRUE(reader.loadModelText(obj, mtl));
    ASSERT_EQ(meshNames(reader), (std::vector<std::string>{"A_2", "A_3", "A"}));
    EXPECT_EQ(reader.meshes[0].material.name, "m1");
    expectVector(reader.meshes[0].material.diffuseColor, 1, 0, 0);
    EXPECT_EQ(reader.meshes[1].material.name, "m2");
    EXPECT_EQ(reader.meshes[2].material.name, "m3");
    expectVector(reader.meshes[2].material.diffuseColor, 0, 0, 1);
    for (const objl::Mesh& mesh : reader.meshes) {
        EXPECT_EQ(mesh.indices, (Indices{0, 1, 2}));
    }
    EXPECT_EQ(reader.allIndices, (Indices{0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(ModelReader, UnknownMaterialNameLeavesTheDefaultMaterial) {
    objl::ModelReader reader;
    ASSERT_TRUE(
        reader.loadModelText(std::string(unitTriangle) + "mtllib a.mtl\nusemtl missing\nf 1 2 3\n",
                             "newmtl other\nKd 1 1 1\n"));
    ASSERT_EQ(reader.meshes.size(), 1u);
    EXPECT_EQ(reader.meshes[0].material.name, "");
    expectVector(reader.meshes[0].material.diffuseColor, 0, 0, 0);
}

TEST(ModelReader, MaterialsAccumulateAndTheFirstMatchWins) {
    objl::ModelReader reader;
    ASSERT_TRUE(reader.loadMaterialsText("newmtl m\nKd 1 0 0\n"));
    ASSERT_TRUE(reader.loadModelText(std::string(unitTriangle) +
                                         "mtllib a.mtl\nmtllib b.mtl\nusemtl m\nf 1 2 3\n",
                                     "newmtl m\nKd 0 1 0\n"));
    ASSERT_EQ(reader.materials.size(), 3u);
    expectVector(reader.meshes[0].material.diffuseColor, 1, 0, 0);

    ASSERT_TRUE(reader.loadModelText(std::string(unitTriangle) + "f 1 2 3\nf 1 2 3\n", ""));
    EXPECT_EQ(reader.materials.size(), 3u);
    EXPECT_EQ(reader.meshes.size(), 1u);
    EXPECT_EQ(reader.allVertices.size(), 6u);
}

TEST(ModelReader, MaterialLines) {
    objl::ModelReader reader;
    ASSERT_TRUE(reader.loadMaterialsText("Ns 5\n"
                                         "newmtl first\r\n"
                                         "\tKa 0.1 0.2 0.3\n"
                                         "Ka 0.9 0.9\n"
                                         "Ks 0.5 0.5 0.5 0.5\n"
                                         "Ni 1.5\nd 0.25\nillum 3\r\n"
                                         "map_Kd fire.png\r\n"
                                         "bump b.png\nmap_bump c.png\n"
                                         "newmtl\n"
                                         "Kd 0 1 0\n"
                                         "newmtl \n"
                                         "map_Ka a.png \n"));
    ASSERT_EQ(reader.materials.size(), 3u);
    const objl::Material& first = reader.materials[0];
    EXPECT_EQ(first.name, "first");
    EXPECT_FLOAT_EQ(first.specularExponent, 5.0f);
    expectVector(first.ambientColor, 0.1f, 0.2f, 0.3f);
    expectVector(first.specularColor, 0, 0, 0);
    EXPECT_FLOAT_EQ(first.opticalDensity, 1.5f);
    EXPECT_FLOAT_EQ(first.dissolve, 0.25f);
    EXPECT_EQ(first.illuminationModel, 3);
    EXPECT_EQ(first.diffuseMap, "fire.png\r");
    EXPECT_EQ(first.bumpMap, "c.png");
    EXPECT_EQ(reader.materials[1].name, "none");
    expectVector(reader.materials[1].diffuseColor, 0, 1, 0);
    EXPECT_EQ(reader.materials[2].name, "none");
    EXPECT_EQ(reader.materials[2].ambientMap, "a.png");

    ASSERT_TRUE(reader.loadMaterialsText(""));
    ASSERT_EQ(reader.materials.size(), 4u);
    EXPECT_EQ(reader.materials[3].name, "");
}

TEST(ModelReader, TextsWithoutFacesGiveNoModel) {
    objl::ModelReader reader;
    EXPECT_FALSE(reader.loadModelText(unitTriangle, ""));
    EXPECT_FALSE(reader.loadModelText("", ""));
    EXPECT_FALSE(reader.loadModel(4321, 4322));
    EXPECT_TRUE(reader.meshes.empty());
}

TEST(ModelReader, MissingMaterialResourceGivesOneUnnamedMaterial) {
    objl::ModelReader reader;
    ASSERT_TRUE(reader.loadModel(RES_RECTANGLE_MODEL, 4322));
    ASSERT_EQ(reader.materials.size(), 1u);
    EXPECT_EQ(reader.materials[0].name, "");
}

// Every malformed line below fails the whole load: without the check each text would load.
TEST(ModelReader, MalformedModelTextsFailTheLoadAndLeaveNothing) {
    const std::string valid = std::string(unitTriangle) + "vt 0 0\nvn 0 0 1\n";
    const std::vector<std::string> damaged = {
        "v 1 2 x\nf 1 2 3\n",
        "v 1e999 0 0\nf 1 2 3\n",
        "v 1 2\nf 1 2 3\n",
        "vt 1\nf 1 2 3\n",
        "vt -\nf 1 2 3\n",
        "vn 1 2\nf 1 2 3\n",
        "f 0 1 2\n",
        "f 1 2 4\n",
        "f -4 1 2\n",
        "f 1 2 99999999999\n",
        "f 1/2 2/1 3/1\n",
        "f 1//2 2//1 3//1\n",
        "f 1/1/1 2/1/1 x/1/1\n",
        "f 1  2 3\n",
        "f 1 2 3/1/1/1\n",
        "f 1 2\n",
        "f 1/1 2/1\n",
        "f 1 2 3\nusemtl a\nusemtl b\n",
        "usemtl a\nf 1 2 3\nusemtl b\nusemtl c\n",
        "mtllib a.mtl\nf 1 2 3\n",
    };
    testing::internal::CaptureStderr();
    EXPECT_FALSE(objl::ModelReader().loadModelText(valid + "f 1 2 9\n", ""));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "model line 6: face position index 9 out of range (3 defined)\n");
    for (const std::string& tail : damaged) {
        SCOPED_TRACE(tail);
        objl::ModelReader reader;
        ASSERT_TRUE(reader.loadModelText(valid + "f 1 2 3\n", "newmtl a\nNs 3\n"));
        EXPECT_FALSE(reader.loadModelText(valid + "f 1 2 3\n" + tail, "newmtl a\nNs x\n"));
        EXPECT_TRUE(reader.meshes.empty());
        EXPECT_TRUE(reader.allVertices.empty());
        EXPECT_TRUE(reader.allIndices.empty());
    }
}

TEST(ModelReader, FacesWithGivenNormalsMayHaveFewerThanThreeCorners) {
    objl::ModelReader reader;
    ASSERT_TRUE(reader.loadModelText(std::string(unitTriangle) + "vn 0 0 1\nf 1//1 2//1\n", ""));
    EXPECT_TRUE(reader.meshes.empty());
    EXPECT_EQ(reader.allVertices.size(), 2u);
    EXPECT_TRUE(reader.allIndices.empty());
}

TEST(ModelReader, MalformedMaterialNumbersFailAndAddNoMaterial) {
    for (const char* mtl : {"newmtl a\nNs x\n", "newmtl a\nKd 1 x 0\n", "newmtl a\nillum x\n",
                            "newmtl a\nd\n", "newmtl a\nillum 99999999999\n"}) {
        SCOPED_TRACE(mtl);
        objl::ModelReader reader;
        ASSERT_TRUE(reader.loadMaterialsText("newmtl kept\n"));
        EXPECT_FALSE(reader.loadMaterialsText(mtl));
        ASSERT_EQ(reader.materials.size(), 1u);
        EXPECT_EQ(reader.materials[0].name, "kept");
    }
}

} // namespace
