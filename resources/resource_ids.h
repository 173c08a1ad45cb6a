#pragma once

// The saver's compiled-in resources by id. Plain defines, so that C++, resource scripts and the
// build (which reads the numbers from this file) share one list.

// "TEXTFILE" resources: the two shader texts and the model of the fire rectangle, and the shader
// texts of the frame-rate text drawn over it.
#define RES_PASS_THROUGH_VERTEX_SHADER 137
#define RES_FIRE_FRAGMENT_SHADER 136
#define RES_RECTANGLE_MODEL 141
#define RES_RECTANGLE_MATERIALS 140
#define RES_TEXT_OVERLAY_VERTEX_SHADER 142
#define RES_TEXT_OVERLAY_FRAGMENT_SHADER 143

// String resource: the saver's display name, by which the screen-saver settings list it.
#define RES_SAVER_NAME 1

// Bitmap: the About window's picture, 110 x 83 pixels at 24 bits per pixel.
#define RES_ABOUT_PICTURE 101

// Icon groups that give the executable its icon in the shell; no code loads them.
#define RES_SHELL_ICON 102
#define RES_SHELL_ICON_SECOND 113
