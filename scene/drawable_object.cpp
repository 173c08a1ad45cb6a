#include "scene/drawable_object.h"

#include "model/mesh_geometry.h"
#include "render/buffer_object.h"
#include "render/program_registry.h"
#include "render/scene_camera.h"

#include <GL/glew.h>

GLFWDrawableObject::GLFWDrawableObject(CommonUniforms* uniforms, SceneCamera* camera,
                                       GLFWProgramRegistry* registry, const char* programName,
                                       int objResourceId, int mtlResourceId, float scale)
    : uniforms(uniforms), registry(registry), camera(camera), programName(programName) {
    geometry = new MeshGeometry(objResourceId, mtlResourceId, scale);
    buffers = new GLFWBufferObject(registry);
    buffers->setVertexData(geometry->getVertexBytes(), geometry->getVertexData(),
                           geometry->getStride());
    buffers->setIndexData(geometry->getIndexBytes(), geometry->getIndexData(),
                          geometry->getIndexCount());
}

GLFWDrawableObject::~GLFWDrawableObject() {
    delete geometry;
    delete buffers;
}

void GLFWDrawableObject::prepareBuffers() {
    registerAttributes();
    buffers->upload();
}

void GLFWDrawableObject::draw(std::int32_t instanceCount) {
    registry->useProgram(programName);
    beforeDraw();

    Mat4 view = camera->viewMatrix();
    Mat4 projection = camera->projectionMatrix();
    Mat4 worldToClip = multiply(projection, view);
    Mat4 modelToClip = multiply(worldToClip, modelMatrix);
    setUniformMatrix("model_world", modelMatrix);
    setUniformMatrix("world_projection", worldToClip);
    setUniformMatrix("model_projection", modelToClip);
    setUniforms();

    buffers->bind();
    if (instanceCount == 0) {
        glDrawElements(GL_TRIANGLES, buffers->getIndexCount(), GL_UNSIGNED_INT, nullptr);
    } else {
        glDrawElementsInstanced(GL_TRIANGLES, buffers->getIndexCount(), GL_UNSIGNED_INT, nullptr,
                                instanceCount);
    }
}

void GLFWDrawableObject::setUniformMatrix(const char* name, const Mat4& m) {
    if (GLFWProgram* program = registry->findProgram(programName)) {
        glUniformMatrix4fv(program->getUniformLocation(name), 1, GL_FALSE, data(m));
    }
}

void GLFWDrawableObject::setUniformFloat(const char* name, float value) {
    if (GLFWProgram* program = registry->findProgram(programName)) {
        glUniform1f(program->getUniformLocation(name), value);
    }
}
