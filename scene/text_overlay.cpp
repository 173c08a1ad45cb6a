#include "scene/text_overlay.h"

#include "render/buffer_object.h"
#include "render/program_registry.h"
#include "resources/resource_ids.h"
#include "scene/overlay_font.h"

#include <array>

namespace {

constexpr const char* kOverlayProgram = "TextOverlayProgram";

// Each glyph sits in a cell one texel wider on every side than its grid, room for its outline.
constexpr int kCellColumns = kOverlayGlyphColumns + 2;
constexpr int kCellRows = kOverlayGlyphRows + 2;
// Screen pixels per font texel.
constexpr int kScale = 2;
constexpr int kLeftMargin = 12;
constexpr int kBottomMargin = 18;
constexpr int kLinePitch = 34;
// position x, y in pixels, then the texture coordinate.
constexpr int kVertexFloats = 4;

using Texel = std::array<unsigned char, 4>;

bool lit(const OverlayGlyph& glyph, int column, int row) {
    return column >= 0 && column < kOverlayGlyphColumns && row >= 0 && row < kOverlayGlyphRows &&
           glyph.rows[row][column] == '#';
}

// The glyph's cell: white where lit, black where a lit texel is a neighbour (diagonals
// included, so the outline has no gaps), clear elsewhere.
Texel cellTexel(const OverlayGlyph& glyph, int column, int row) {
    if (lit(glyph, column, row)) {
        return {255, 255, 255, 255};
    }
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (lit(glyph, column + dx, row + dy)) {
                return {0, 0, 0, 255};
            }
        }
    }
    return {0, 0, 0, 0};
}

// One row of cells, one per glyph of the font, bottom row first as GL expects.
GLuint uploadFont() {
    int width = kCellColumns * kOverlayFontSize;
    std::vector<Texel> texels(static_cast<std::size_t>(width * kCellRows));
    for (int index = 0; index < kOverlayFontSize; ++index) {
        for (int row = 0; row < kCellRows; ++row) {
            for (int column = 0; column < kCellColumns; ++column) {
                int x = index * kCellColumns + column;
                int y = kCellRows - 1 - row;
                texels[static_cast<std::size_t>(y * width + x)] =
                    cellTexel(kOverlayFont[index], column - 1, row - 1);
            }
        }
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, kCellRows, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 texels.data());
    return texture;
}

int fontIndex(char character) {
    for (int index = 0; index < kOverlayFontSize; ++index) {
        if (kOverlayFont[index].character == character) {
            return index;
        }
    }
    return -1;
}

} // namespace

TextOverlay::TextOverlay(GLFWProgramRegistry* registry) : registry(registry) {
    registry->addProgram(kOverlayProgram, RES_TEXT_OVERLAY_VERTEX_SHADER,
                         RES_TEXT_OVERLAY_FRAGMENT_SHADER);
    fontTexture = uploadFont();
    buffers = new GLFWBufferObject(registry);
    buffers->addAttribute(kOverlayProgram, "position", 2, 0);
    buffers->addAttribute(kOverlayProgram, "glyph_tex", 2, 2);
    setText("");
}

TextOverlay::~TextOverlay() {
    delete buffers;
    glDeleteTextures(1, &fontTexture);
}

void TextOverlay::setText(const std::string& text) {
    vertices.clear();
    indices.clear();
    int lineCount = 1;
    for (char character : text) {
        lineCount += character == '\n' ? 1 : 0;
    }
    int line = lineCount - 1;
    int column = 0;
    for (char character : text) {
        if (character == '\n') {
            --line;
            column = 0;
            continue;
        }
        int index = fontIndex(character);
        if (index >= 0) {
            addGlyph(index, column, line);
        }
        ++column;
    }
    buffers->setVertexData(static_cast<std::int32_t>(vertices.size() * sizeof(float)),
                           vertices.data(), kVertexFloats);
    buffers->setIndexData(static_cast<std::int32_t>(indices.size() * sizeof(std::uint32_t)),
                          indices.data(), static_cast<std::int32_t>(indices.size()));
    buffers->upload();
}

void TextOverlay::addGlyph(int index, int column, int lineFromBottom) {
    float left = static_cast<float>(kLeftMargin + (column * kCellColumns - 1) * kScale);
    float bottom = static_cast<float>(kBottomMargin + lineFromBottom * kLinePitch - kScale);
    float right = left + static_cast<float>(kCellColumns * kScale);
    float top = bottom + static_cast<float>(kCellRows * kScale);
    float cellLeft = static_cast<float>(index) / static_cast<float>(kOverlayFontSize);
    float cellRight = static_cast<float>(index + 1) / static_cast<float>(kOverlayFontSize);
    auto first = static_cast<std::uint32_t>(vertices.size() / kVertexFloats);
    vertices.insert(vertices.end(), {left, bottom, cellLeft, 0.0f, right, bottom, cellRight, 0.0f,
                                     right, top, cellRight, 1.0f, left, top, cellLeft, 1.0f});
    indices.insert(indices.end(), {first, first + 1, first + 2, first, first + 2, first + 3});
}

void TextOverlay::draw(std::int32_t width, std::int32_t height) {
    if (indices.empty()) {
        return;
    }
    registry->useProgram(kOverlayProgram);
    GLFWProgram* program = registry->findProgram(kOverlayProgram);
    glUniform2f(program->getUniformLocation("viewportSize"), static_cast<float>(width),
                static_cast<float>(height));
    glUniform1i(program->getUniformLocation("font"), 0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, fontTexture);
    buffers->bind();
    glDrawElements(GL_TRIANGLES, buffers->getIndexCount(), GL_UNSIGNED_INT, nullptr);
}
