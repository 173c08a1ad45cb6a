#include "scene/drawable_sky.h"

#include "model/mesh_geometry.h"
#include "render/buffer_object.h"
#include "scene/common_uniforms.h"

void GLFWDrawableSky::registerAttributes() {
    buffers->addAttribute(programName, "position", 3, MeshGeometry::positionOffset);
    buffers->addAttribute(programName, "position_tex", 2, MeshGeometry::texCoordOffset);
    buffers->addAttribute(programName, "position_normal", 3, MeshGeometry::normalOffset);
}

void GLFWDrawableSky::setUniforms() {
    setUniformFloat("iTime", uniforms->getTime());
    setUniformFloat("viewportWidth", uniforms->getViewportWidth());
    setUniformFloat("viewportHeight", uniforms->getViewportHeight());
}

void GLFWDrawableSky::beforeDraw() {}
