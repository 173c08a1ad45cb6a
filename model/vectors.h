#pragma once

namespace objl {

// A texture coordinate as the OBJ text gives it.
struct Vector2 {
    float x = 0.0f;
    float y = 0.0f;
};

// A position or a normal in model units.
struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// Exact float comparison: corners are matched by position, and a NaN component never matches.
inline bool operator==(const Vector3& a, const Vector3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

inline bool operator!=(const Vector3& a, const Vector3& b) {
    return !(a == b);
}

inline Vector3 operator-(const Vector3& a, const Vector3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

} // namespace objl
