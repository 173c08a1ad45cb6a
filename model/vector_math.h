#pragma once

#include "model/vectors.h"

namespace objl {

Vector3 crossProduct(const Vector3& a, const Vector3& b);
float dotProduct(const Vector3& a, const Vector3& b);
float magnitude(const Vector3& a);

// Unsigned angle in radians; NaN when either vector has length zero.
float angleBetween(const Vector3& a, const Vector3& b);

// Barycentric test in the triangle's plane, edges inclusive. The point's distance from the plane
// is ignored, and a degenerate triangle contains nothing.
bool pointInTriangle(const Vector3& p, const Vector3& t1, const Vector3& t2, const Vector3& t3);

} // namespace objl
