#pragma once

// The window hints every saver context is made with: a version 2.0 request (which gives a
// compatibility context that takes "#version 140" shaders), lose-context-on-reset robustness, no
// multisampling, no stereo. Every other hint keeps the library's default.
void setSaverWindowHints();
