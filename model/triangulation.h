#pragma once

#include "model/vertex.h"

#include <cstdint>
#include <vector>

namespace objl {

// Splits one face into triangles by ear clipping and returns three indices per triangle into
// `corners`, keeping the face's winding. Faces of fewer than three corners give no triangles.
std::vector<std::uint32_t> triangulatePolygon(const std::vector<Vertex>& corners);

} // namespace objl
