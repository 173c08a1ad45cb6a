#version 140

// The rectangle's corners arrive in clip space, so they pass through unchanged.
in vec4 position;
in vec2 position_tex;
in vec3 position_normal;

varying vec2 fs_tex;

uniform mat4 model_world;
uniform mat4 world_projection;
uniform mat4 model_projection;

void main()
{
    fs_tex = position_tex;
    gl_Position = position;
}
//~
