#include "render/math_look_at.h"

Mat4 lookAt(Vec3 eye, Vec3 target, Vec3 up) {
    Vec3 f = normalize(subtract(target, eye));
    Vec3 s = cross(f, normalize(up));
    Vec3 u = cross(s, f);
    Mat4 rotation =
        fromColumns({s.x, u.x, -f.x, 0}, {s.y, u.y, -f.y, 0}, {s.z, u.z, -f.z, 0}, {0, 0, 0, 1});
    return multiply(rotation, translation(negate(eye)));
}
