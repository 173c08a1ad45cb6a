#include "render/program_registry.h"

void GLFWProgramRegistry::addProgram(const char* name, int vertexResourceId,
                                     int fragmentResourceId) {
    auto program = std::make_unique<GLFWProgram>(vertexResourceId, fragmentResourceId);
    programs.try_emplace(name, std::move(program));
}

GLFWProgram* GLFWProgramRegistry::findProgram(const char* name) {
    auto found = programs.find(name);
    return found != programs.end() ? found->second.get() : nullptr;
}

void GLFWProgramRegistry::useProgram(const char* name) {
    if (GLFWProgram* program = findProgram(name)) {
        program->use();
    }
}
