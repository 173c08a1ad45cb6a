#include "render/math_vec3.h"

#include <cmath>

Vec3 add(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

Vec3 subtract(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vec3 scale(Vec3 a, float s) {
    return {a.x * s, a.y * s, a.z * s};
}

Vec3 divide(Vec3 a, float s) {
    return {a.x / s, a.y / s, a.z / s};
}

Vec3 negate(Vec3 a) {
    return {-a.x, -a.y, -a.z};
}

float length(Vec3 a) {
    return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
}

Vec3 normalize(Vec3 a) {
    return divide(a, length(a));
}

Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - b.y * a.z, a.z * b.x - b.z * a.x, a.x * b.y - b.x * a.y};
}
