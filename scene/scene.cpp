#include "scene/scene.h"

#include "render/drawing_size.h"
#include "render/math_projection.h"
#include "render/program_registry.h"
#include "render/scene_camera.h"
#include "scene/drawable_sky.h"

#include <GL/glew.h>

CommonUniforms* commonUniforms = nullptr;

namespace {

constexpr const char* kBackgroundProgram = "BackgroundProgram";

GLFWProgramRegistry* registry = nullptr;
SceneCamera* camera = nullptr;
GLFWDrawableSky* sky = nullptr;

void storeViewportSize() {
    commonUniforms->setViewportSize(static_cast<float>(windowWidth),
                                    static_cast<float>(windowHeight));
}

} // namespace

void setUpScene() {
    registry = new GLFWProgramRegistry;
    commonUniforms = new CommonUniforms;
    camera = new SceneCamera(0.0f, 0.0f, 0.0f);
    camera->pitch(0.0f);
    camera->updateView(0);
    registry->addProgram(kBackgroundProgram, 137, 136);
    sky = new GLFWDrawableSky(commonUniforms, camera, registry, kBackgroundProgram, 141, 140, 1.0f);
    sky->prepareBuffers();
}

void renderFrame() {
    camera->setProjection(perspective(40.0f, windowAspect, 0.1f, 1000.0f));
    storeViewportSize();
    sky->setModelMatrix(translation(0.0f, 0.0f, 0.0f));
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    storeViewportSize();
    glViewport(0, 0, windowWidth, windowHeight);
    sky->draw(0);
}
