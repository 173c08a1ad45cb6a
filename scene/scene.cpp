#include "scene/scene.h"

#include "render/drawing_size.h"

#include <GL/glew.h>

CommonUniforms* commonUniforms = nullptr;

void setUpScene() {
    commonUniforms = new CommonUniforms;
}

void renderFrame() {
    commonUniforms->setViewportSize(static_cast<float>(windowWidth),
                                    static_cast<float>(windowHeight));
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, windowWidth, windowHeight);
}
