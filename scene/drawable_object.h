#pragma once

#include "render/math_mat4.h"

#include <cstdint>

class CommonUniforms;
class GLFWBufferObject;
class GLFWProgramRegistry;
class MeshGeometry;
class SceneCamera;

// One mesh on screen: its geometry, its buffers, the name of the program that draws it and its
// model matrix. A concrete drawable says which attributes its program reads, which uniforms of
// its own it sets, and what runs first in every draw.
class GLFWDrawableObject {
  public:
    // Loads the mesh (ending the process with a message when it cannot be read) and hands its
    // arrays to a new buffer object. programName must outlive the drawable.
    GLFWDrawableObject(CommonUniforms* uniforms, SceneCamera* camera, GLFWProgramRegistry* registry,
                       const char* programName, int objResourceId, int mtlResourceId, float scale);
    // Virtual so that a drawable deleted through its base frees what the derived class holds.
    virtual ~GLFWDrawableObject();

    GLFWDrawableObject(const GLFWDrawableObject&) = delete;
    GLFWDrawableObject& operator=(const GLFWDrawableObject&) = delete;

    // Registers the attributes and uploads both buffers; runs once the object is complete, since
    // the attributes come from the derived class.
    void prepareBuffers();
    void setModelMatrix(Mat4 m) { modelMatrix = m; }

    // Draws the mesh once, or instanceCount times when it is not 0. A program name that is not
    // registered draws with whatever program is current and sets no uniforms.
    void draw(std::int32_t instanceCount);

  protected:
    virtual void registerAttributes() = 0;
    virtual void setUniforms() = 0;
    virtual void beforeDraw() = 0;

    // Sets a uniform of this drawable's program, when the program is registered.
    void setUniformMatrix(const char* name, const Mat4& m);
    void setUniformFloat(const char* name, float value);

    CommonUniforms* uniforms;
    GLFWProgramRegistry* registry;
    MeshGeometry* geometry = nullptr;
    GLFWBufferObject* buffers = nullptr;
    SceneCamera* camera;
    const char* programName;
    Mat4 modelMatrix = translation(0.0f, 0.0f, 0.0f);
};
