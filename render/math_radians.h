#pragma once

constexpr float radians(float degrees) {
    return degrees * 0.0174532924f;
}
