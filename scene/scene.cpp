#include "scene/scene.h"

#include "render/math_projection.h"
#include "render/program_registry.h"
#include "render/scene_camera.h"
#include "resources/resource_ids.h"
#include "scene/common_uniforms.h"
#include "scene/drawable_sky.h"
#include "scene/text_overlay.h"

#include <GL/glew.h>

namespace {

constexpr const char* kBackgroundProgram = "BackgroundProgram";

// The scene's objects, made once by setUpScene and kept for the life of the process.
GLFWProgramRegistry* registry = nullptr;
CommonUniforms* commonUniforms = nullptr;
SceneCamera* camera = nullptr;
GLFWDrawableSky* sky = nullptr;

void storeViewportSize(const FrameInput& frame) {
    commonUniforms->setViewportSize(static_cast<float>(frame.windowWidth),
                                    static_cast<float>(frame.windowHeight));
}

// Every screen's GL context shares the fire's program, and with it the uniform values the program
// keeps. A driver may take a value equal to the kept one for no change and leave a context drawing
// with the values it uploaded itself last, when another context has just kept the same ones (Mesa,
// Windows' one context per monitor, two monitors of one mode: a still fire laid out for a size
// gone). A time no frame has is kept first, so that each draw's own values are a change.
void keepNoTime() {
    if (GLFWProgram* program = registry->findProgram(kBackgroundProgram)) {
        program->use();
        glUniform1f(program->getUniformLocation("iTime"), -1.0f);
    }
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

void renderFrame(const FrameInput& frame) {
    commonUniforms->setTime(frame.time);
    camera->setProjection(perspective(40.0f, frame.windowAspect, 0.1f, 1000.0f));
    storeViewportSize(frame);
    sky->setModelMatrix(translation(0.0f, 0.0f, 0.0f));
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // Stored again on purpose, beside the viewport it matches, as the first store sits beside the
    // projection; both read the same frame, so the repeat changes nothing.
    storeViewportSize(frame);
    glViewport(0, 0, frame.windowWidth, frame.windowHeight);
    keepNoTime();
    sky->draw(0);
}

void renderBlankFrame(const FrameInput& frame) {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, frame.windowWidth, frame.windowHeight);
    glClear(GL_COLOR_BUFFER_BIT);
}

TextOverlay* createTextOverlay() {
    return new TextOverlay(registry);
}
