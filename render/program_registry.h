#pragma once

#include "render/program.h"

#include <map>
#include <memory>
#include <string>

// Every shader program of the process under a name. Users keep the registry and a name and look
// the program up each time they need it.
class GLFWProgramRegistry {
  public:
    // Builds the program (which ends the process if a shader does not compile) and registers it
    // unless the name is taken, in which case the first program stays and the new one is freed.
    void addProgram(const char* name, int vertexResourceId, int fragmentResourceId);

    // The program registered under exactly these bytes, or nullptr.
    GLFWProgram* findProgram(const char* name);

    // Makes the named program current; an unknown name changes nothing.
    void useProgram(const char* name);

  private:
    std::map<std::string, std::unique_ptr<GLFWProgram>> programs;
};
