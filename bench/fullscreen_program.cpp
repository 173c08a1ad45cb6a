#include "bench/fullscreen_program.h"

#include "render/shader_stage.h"
#include "render/text_resource.h"

#include <vector>

bool FullscreenProgram::build(const std::string& vertexText, const std::string& fragmentText,
                              std::string* error) {
    GLuint vertexShader = compileShaderStage(GL_VERTEX_SHADER, vertexText.c_str(), error);
    if (vertexShader == 0) {
        return false;
    }
    GLuint fragmentShader = compileShaderStage(GL_FRAGMENT_SHADER, fragmentText.c_str(), error);
    if (fragmentShader == 0) {
        return false;
    }
    program = glCreateProgram();
    glAttachShader(program, vertexShader);
    glAttachShader(program, fragmentShader);
    glLinkProgram(program);
    GLint linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked == 0) {
        *error = "link failed";
        return false;
    }
    positionLocation = glGetAttribLocation(program, "position");
    timeLocation = glGetUniformLocation(program, "iTime");
    widthLocation = glGetUniformLocation(program, "viewportWidth");
    heightLocation = glGetUniformLocation(program, "viewportHeight");

    // Two triangles in clip space, as the saver's rectangle model lays them out.
    const float corners[] = {-1.0f, -1.0f, 0.0f, 1.0f, -1.0f, 0.0f, 1.0f,  1.0f, 0.0f,
                             -1.0f, -1.0f, 0.0f, 1.0f, 1.0f,  0.0f, -1.0f, 1.0f, 0.0f};
    glGenBuffers(1, &vertexBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, sizeof(corners), corners, GL_STATIC_DRAW);
    return true;
}

void FullscreenProgram::draw(float time, float width, float height) const {
    glUseProgram(program);
    glUniform1f(timeLocation, time);
    glUniform1f(widthLocation, width);
    glUniform1f(heightLocation, height);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glEnableVertexAttribArray(static_cast<GLuint>(positionLocation));
    glVertexAttribPointer(static_cast<GLuint>(positionLocation), 3, GL_FLOAT, GL_FALSE,
                          3 * sizeof(float), nullptr);
    glDrawArrays(GL_TRIANGLES, 0, 6);
}

std::string shaderText(int resourceId) {
    std::vector<char> text(kShaderTextBufferSize);
    return {text.data(), loadTextResource(resourceId, text.data(), kShaderTextCapacity)};
}
