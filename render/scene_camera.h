#pragma once

#include "render/math_mat4.h"

#include <cstdint>

// The view and projection every drawable uploads. Only view slot 0 is filled in this saver.
class SceneCamera {
  public:
    static constexpr std::int32_t kViewSlots = 5;

    SceneCamera(float x, float y, float z);

    // Turns front and up about the right axis.
    void pitch(float angleDegrees);

    // Recomputes the view slot from eye, target and up and makes it the current view; a slot out
    // of range changes nothing.
    void updateView(std::int32_t slot);
    void setProjection(const Mat4& m) { projection = m; }

    Mat4 viewMatrix() const { return views[currentView]; }
    Mat4 projectionMatrix() const { return projection; }

  private:
    Mat4 views[kViewSlots];
    std::int32_t currentView = 0;
    Vec3 eye;
    Vec3 target;
    Vec3 front{0.0f, 0.0f, -1.0f};
    Vec3 right{1.0f, 0.0f, 0.0f};
    Vec3 up{0.0f, 1.0f, 0.0f};
    Mat4 projection;
};
