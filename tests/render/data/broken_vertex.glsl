#version 140
void main() {
    gl_Position = undeclared_name;
}
//~
