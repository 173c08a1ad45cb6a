#include "windowing/library.h"

#include "platform/message_box.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

namespace windowing {

namespace {

void onGlfwError(int, const char* description) {
    platform::showMessageBox(description, "Error", platform::MessageIcon::Information);
}

} // namespace

void showLibraryErrors() {
    glfwSetErrorCallback(onGlfwError);
}

bool startLibrary() {
    return glfwInit() == GLFW_TRUE;
}

void stopLibrary() {
    glfwTerminate();
}

double libraryTime() {
    return glfwGetTime();
}

void pollEvents() {
    glfwPollEvents();
}

void setSwapInterval(int interval) {
    glfwSwapInterval(interval);
}

} // namespace windowing
