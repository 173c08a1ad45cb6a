#pragma once

#include "model/vectors.h"

namespace objl {

// One face corner; corners are never shared between faces.
struct Vertex {
    Vector3 position;
    Vector3 normal;
    Vector2 texCoord;
};

} // namespace objl
