#include "scene/scene.h"

#include "render/math_projection.h"
#include "render/program_registry.h"
#include "render/scene_camera.h"
#include "resources/resource_ids.h"
#include "scene/drawable_sky.h"

#include <GL/glew.h>

CommonUniforms* commonUniforms = nullptr;

namespace {

constexpr const char* kBackgroundProgram = "BackgroundProgram";

GLFWProgramRegistry* registry = nullptr;
SceneCamera* camera = nullptr;
GLFWDrawableSky* sky = nullptr;

void storeViewportSize(std::int32_t width, std::int32_t height) {
    commonUniforms->setViewportSize(static_cast<float>(width), static_cast<float>(height));
}

} // namespace

void setUpScene() {
    registry = new GLFWProgramRegistry;
    commonUniforms = new CommonUniforms;
    camera = new SceneCamera(0.0f, 0.0f, 0.0f);
    camera->pitch(0.0f);
    camera->updateView(0);
    registry->addProgram(kBackgroundProgram, RES_PASS_THROUGH_VERTEX_SHADER,
                         RES_FIRE_FRAGMENT_SHADER);
    sky = new GLFWDrawableSky(commonUniforms, camera, registry, kBackgroundProgram,
                              RES_RECTANGLE_MODEL, RES_RECTANGLE_MATERIALS, 1.0f);
    sky->prepareBuffers();
}

void renderFrame(std::int32_t width, std::int32_t height, float aspect) {
    camera->setProjection(perspective(40.0f, aspect, 0.1f, 1000.0f));
    storeViewportSize(width, height);
    sky->setModelMatrix(translation(0.0f, 0.0f, 0.0f));
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    storeViewportSize(width, height);
    glViewport(0, 0, width, height);
    sky->draw(0);
}
