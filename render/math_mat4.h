#pragma once

#include "render/math_vec3.h"
#include "render/math_vec4.h"

// A 4x4 matrix of four columns, column 0 first: element (row r, column c) is columns[c][r], and
// the 16 floats lie in the order glUniformMatrix4fv reads untransposed.
struct Mat4 {
    Vec4 columns[4];
};

static_assert(sizeof(Mat4) == 16 * sizeof(float), "Mat4 must be 16 tightly packed floats");

Mat4 fromColumns(Vec4 c0, Vec4 c1, Vec4 c2, Vec4 c3);

Mat4 multiply(const Mat4& a, const Mat4& b);

// The first of the 16 floats, for glUniformMatrix4fv(location, 1, GL_FALSE, data(m)).
const float* data(const Mat4& m);

Mat4 translation(float x, float y, float z);
Mat4 translation(Vec3 v);
