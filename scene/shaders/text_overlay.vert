#version 140

// Text over the fire: corners in window pixels from the bottom-left, and where each lies in the
// font's texture.
in vec2 position;
in vec2 glyph_tex;

out vec2 fs_glyph;

uniform vec2 viewportSize;

void main()
{
    fs_glyph = glyph_tex;
    gl_Position = vec4(position / viewportSize * 2.0 - 1.0, 0.0, 1.0);
}
//~
