#pragma once

#include "model/material.h"
#include "model/vertex.h"

#include <cstdint>
#include <string>
#include <vector>

namespace objl {

// A run of faces under one object name and one material; indices point into its own vertices.
struct Mesh {
    std::string name;
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;
    Material material;
};

} // namespace objl
