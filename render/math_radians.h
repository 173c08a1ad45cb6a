#pragma once

// Degrees to radians in 32-bit floats.
constexpr float radians(float degrees) {
    return degrees * 0.0174532924f;
}
