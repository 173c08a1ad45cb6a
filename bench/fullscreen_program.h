#pragma once

#include <GL/glew.h>

#include <string>

// A shader program drawn over a rectangle that covers the viewport, with the fire's three common
// uniforms. Stands apart from the scene so that two fragment texts can be timed side by side.
class FullscreenProgram {
  public:
    // Compiles and links the pair; false with the GL log in *error when either stage fails.
    bool build(const std::string& vertexText, const std::string& fragmentText, std::string* error);

    // Draws the rectangle once with the given time and viewport size.
    void draw(float time, float width, float height) const;

  private:
    GLuint program = 0;
    GLuint vertexBuffer = 0;
    GLint positionLocation = -1;
    GLint timeLocation = -1;
    GLint widthLocation = -1;
    GLint heightLocation = -1;
};

// The text of a "TEXTFILE" resource up to its first '~', as the saver's programs read it; empty
// when the resource is missing.
std::string shaderText(int resourceId);
