#pragma once

#include "scene/drawable_object.h"

// The rectangle that covers the viewport and carries the fire: its program reads the position
// and texture coordinate of each corner and takes the time and viewport size every frame.
class GLFWDrawableSky : public GLFWDrawableObject {
  public:
    using GLFWDrawableObject::GLFWDrawableObject;

  protected:
    void registerAttributes() override;
    void setUniforms() override;
    void beforeDraw() override;
};
