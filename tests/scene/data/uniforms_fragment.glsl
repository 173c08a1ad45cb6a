#version 140
in vec2 fs_tex;
uniform float iTime;
uniform float viewportWidth;
uniform float viewportHeight;
void main() {
    gl_FragColor = vec4(fs_tex, iTime + viewportWidth + viewportHeight, 1.0);
}
//~
