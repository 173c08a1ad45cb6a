#pragma once

#include <GL/glew.h>

#include <cstdint>
#include <string>
#include <vector>

class GLFWBufferObject;
class GLFWProgramRegistry;

// White text with a black outline in the bottom-left corner of the window, drawn over whatever
// the frame holds, so it reads on white flames and on black smoke alike. Laid out as the X11
// screen-saver daemon's display modes lay out their frame rate: fixed-size monospaced cells, the
// last line 18 pixels above the bottom edge, 12 pixels in from the left.
class TextOverlay {
  public:
    // Registers the overlay's program and uploads its font; needs the context current.
    explicit TextOverlay(GLFWProgramRegistry* registry);
    ~TextOverlay();

    TextOverlay(const TextOverlay&) = delete;
    TextOverlay& operator=(const TextOverlay&) = delete;

    // Lines separated by '\n'. A character the font lacks, the space included, leaves its cell
    // empty.
    void setText(const std::string& text);

    // Draws the text into a viewport of this size, blended with the fixed GL state's blending.
    void draw(std::int32_t width, std::int32_t height);

  private:
    void addGlyph(int fontIndex, int column, int lineFromBottom);

    GLFWProgramRegistry* registry;
    GLFWBufferObject* buffers = nullptr;
    GLuint fontTexture = 0;
    std::vector<float> vertices;
    std::vector<std::uint32_t> indices;
};
