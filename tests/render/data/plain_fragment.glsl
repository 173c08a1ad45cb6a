#version 140
uniform float only_in_plain;
void main() {
    gl_FragColor = vec4(only_in_plain);
}
//~
