#pragma once

#include "render/math_mat4.h"

// The perspective projection for a vertical field of view in degrees. near == far, or an aspect of
// 0 or infinity, divides by zero and gives infinities or NaNs.
Mat4 perspective(float fovyDegrees, float aspect, float near, float far);
