#pragma once

// An independent CPU evaluation of the fire picture, in 32-bit float, for checking what the GPU
// draws. Coordinates are window positions in pixels (fragment centres at half-integers).

struct Rgb {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

// The three layers of one pixel before they are combined.
struct FireLayers {
    Rgb fire;
    float smoke = 0.0f;
    Rgb sparks;
};

FireLayers evaluateFireLayers(float x, float y, float width, float height, float time);

// The pixel's colour as the shader writes it: the brighter of fire and sparks, plus smoke; not
// yet saturated.
Rgb combineLayers(const FireLayers& layers);
