#include "render/math_projection.h"

#include "render/math_radians.h"

#include <cmath>

Mat4 perspective(float fovyDegrees, float aspect, float near, float far) {
    float h = std::tan(radians(0.5f * fovyDegrees));
    float f = 1.0f / h;
    float a = f / aspect;
    float c = (near + far) / (near - far);
    float d = 2.0f * near * far / (near - far);
    return fromColumns({a, 0, 0, 0}, {0, f, 0, 0}, {0, 0, c, -1}, {0, 0, d, 0});
}
