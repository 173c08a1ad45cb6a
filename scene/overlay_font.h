#pragma once

// The bitmap font of the text drawn over the fire: only the characters of the frame-rate lines,
// each on a grid of kOverlayGlyphColumns x kOverlayGlyphRows cells, top row first, where '#' is
// lit.
constexpr int kOverlayGlyphColumns = 5;
constexpr int kOverlayGlyphRows = 9;

struct OverlayGlyph {
    char character;
    const char* rows[kOverlayGlyphRows];
};

extern const OverlayGlyph kOverlayFont[];
extern const int kOverlayFontSize;
