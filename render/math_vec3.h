#pragma once

// Three 32-bit floats, also addressable by index 0 to 2.
struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    static constexpr int size() { return 3; }
    float& operator[](int i) { return i == 0 ? x : i == 1 ? y : z; }
    float operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }
};

Vec3 add(Vec3 a, Vec3 b);
Vec3 subtract(Vec3 a, Vec3 b);
Vec3 scale(Vec3 a, float s);
Vec3 divide(Vec3 a, float s);
Vec3 negate(Vec3 a);
float length(Vec3 a);
// A zero vector divides by zero and comes back as NaNs.
Vec3 normalize(Vec3 a);
Vec3 cross(Vec3 a, Vec3 b);
