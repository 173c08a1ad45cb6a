#version 140
attribute vec4 position;
attribute vec2 position_tex;
attribute vec3 position_normal;
uniform mat4 model_projection;
uniform mat4 unused_matrix;
varying vec2 fs_tex;
void main() {
    fs_tex = position_tex;
    gl_Position = model_projection * position;
}
//~
this is not a shader ~
