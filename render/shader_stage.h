#pragma once

#include <GL/glew.h>

#include <string>

// Compiles one stage of a shader program. Returns the shader, or 0 when the text does not
// compile: the failed shader is deleted and the compiler's log left in *log, "" when the driver
// gives none.
GLuint compileShaderStage(GLenum stage, const char* source, std::string* log);
