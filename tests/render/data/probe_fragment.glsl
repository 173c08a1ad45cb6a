#version 140
in vec2 fs_tex;
uniform float iTime;
void main() {
    gl_FragColor = vec4(fs_tex, iTime, 1.0);
}
//~
