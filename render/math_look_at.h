#pragma once

#include "render/math_mat4.h"

// The view matrix of a camera at eye looking at target. Its side vector is not normalised again,
// so an up vector that is not perpendicular to the viewing direction scales the rows.
Mat4 lookAt(Vec3 eye, Vec3 target, Vec3 up);
