#include "render/math_mat4.h"

Mat4 fromColumns(Vec4 c0, Vec4 c1, Vec4 c2, Vec4 c3) {
    return Mat4{{c0, c1, c2, c3}};
}

Mat4 multiply(const Mat4& a, const Mat4& b) {
    Mat4 product;
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += a.columns[k][row] * b.columns[column][k];
            }
            product.columns[column][row] = sum;
        }
    }
    return product;
}

const float* data(const Mat4& m) {
    return &m.columns[0].x;
}

Mat4 translation(float x, float y, float z) {
    return fromColumns({1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {x, y, z, 1});
}

Mat4 translation(Vec3 v) {
    return translation(v.x, v.y, v.z);
}
