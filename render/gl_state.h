#pragma once

// The fixed GL state every frame is drawn with. Face culling and depth testing stay off and no
// clear colour is set, so clears are black.
void applyFixedGlState();
