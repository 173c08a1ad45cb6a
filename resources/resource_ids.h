#pragma once

// The saver's compiled-in resources by id. Plain defines, so that C++, resource scripts and the
// build (which reads the numbers from this file) share one list.

// "TEXTFILE" resources: the two shader texts and the model of the fire rectangle.
#define RES_PASS_THROUGH_VERTEX_SHADER 137
#define RES_FIRE_FRAGMENT_SHADER 136
#define RES_RECTANGLE_MODEL 141
#define RES_RECTANGLE_MATERIALS 140
