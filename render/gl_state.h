#pragma once

// The window hints every saver context is made with: a version 2.0 request (which gives a
// compatibility context that takes "#version 140" shaders), lose-context-on-reset robustness, no
// multisampling, no stereo.
void setSaverContextHints();

// The fixed GL state every frame is drawn with. Face culling and depth testing stay off and no
// clear colour is set, so clears are black.
void applyFixedGlState();
