#version 140
in vec4 position;
in vec2 position_tex;
in vec3 position_normal;
varying vec2 fs_tex;
uniform mat4 model_world;
uniform mat4 world_projection;
uniform mat4 model_projection;
void main() {
    fs_tex = position_tex;
    gl_Position = model_projection * world_projection * model_world * position;
}
//~
