#version 140

// The font's texels as they are: white glyphs, black outlines, clear elsewhere.
in vec2 fs_glyph;

uniform sampler2D font;

void main()
{
    gl_FragColor = texture(font, fs_glyph);
}
//~
