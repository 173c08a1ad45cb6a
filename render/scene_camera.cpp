#include "render/scene_camera.h"

#include "render/math_look_at.h"
#include "render/math_radians.h"

#include <cmath>

SceneCamera::SceneCamera(float x, float y, float z) : eye{x, y, z} {
    target = add(eye, front);
}

void SceneCamera::pitch(float angleDegrees) {
    float r = radians(angleDegrees);
    float sn = std::sin(r);
    float cs = std::cos(r);
    front = add(scale(front, cs), scale(up, sn));
    up = cross(right, front);
    target = add(eye, front);
}

void SceneCamera::updateView(std::int32_t slot) {
    if (slot < 0 || slot >= kViewSlots) {
        return;
    }
    views[slot] = lookAt(eye, target, up);
    currentView = slot;
}
