#pragma once

#include "model/material.h"
#include "model/mesh.h"
#include "model/vertex.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace objl {

// Reads a Wavefront OBJ text and its MTL text into triangulated meshes and materials. The caller
// reads the four lists after a load; the texts come from "TEXTFILE" resources, or directly as
// text for callers that hold their own.
class ModelReader {
  public:
    // Loads the OBJ resource; every "mtllib" line reads the MTL resource. Returns false when the
    // text gives no mesh, vertex or index, or holds a line that cannot be read as what it claims;
    // such a line is named on standard error with its number and what is wrong with it.
    bool loadModel(int objResourceId, int mtlResourceId);
    bool loadModelText(std::string_view objText, std::string_view mtlText);

    // Appends the materials of an MTL text; false when a numeric field is unreadable.
    bool loadMaterialsText(std::string_view mtlText);

    // Cleared by every load of a model.
    std::vector<Mesh> meshes;
    std::vector<Vertex> allVertices;
    std::vector<std::uint32_t> allIndices;

    // Grows with every material text read, and is never cleared.
    std::vector<Material> materials;
};

} // namespace objl
