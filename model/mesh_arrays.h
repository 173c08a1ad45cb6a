#pragma once

#include "model/model_reader.h"

#include <cstdint>
#include <vector>

// A loaded model as one array per vertex attribute, over all meshes in order, with positions
// scaled, unit normals, the meshes' material colours on their vertices and a tangent frame per
// triangle. MeshGeometry interleaves these arrays for drawing.
class MeshArrays {
  public:
    // Reads the model from its two text resources; ends the process with a message when the
    // model cannot be read, since the saver has nothing to draw without it.
    MeshArrays(int objResourceId, int mtlResourceId, float scale);

    // Builds the arrays from a reader that has already loaded its model.
    MeshArrays(const objl::ModelReader& reader, float scale);

    std::vector<float> positions;
    std::vector<float> texCoords;
    std::vector<float> normals;
    std::vector<float> tangents;
    std::vector<float> bitangents;
    std::vector<float> ambientColors;
    std::vector<float> diffuseColors;
    std::vector<float> specularColors; // colour and exponent, four floats per vertex
    std::vector<std::uint32_t> indices;
    std::int32_t vertexCount = 0;
    std::int32_t indexCount = 0;
    float scale = 1.0f;

  private:
    void fill(const objl::ModelReader& reader);
    void computeTangentFrames();
};
