#include "windowing/held_errors.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

namespace windowing {

HeldErrors* HeldErrors::innermost = nullptr;

HeldErrors::HeldErrors() : outer(innermost), previous(glfwSetErrorCallback(hold)) {
    innermost = this;
}

// The reporting before is back in place first, so that an enclosing holder takes the errors in.
HeldErrors::~HeldErrors() {
    glfwSetErrorCallback(previous);
    innermost = outer;
    if (previous != nullptr) {
        for (const auto& [code, description] : held) {
            previous(code, description.c_str());
        }
    }
}

void HeldErrors::hold(int code, const char* description) {
    innermost->held.emplace_back(code, description != nullptr ? description : "");
}

} // namespace windowing
