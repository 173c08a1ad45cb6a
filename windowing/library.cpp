#include "windowing/library.h"

#include "platform/message_box.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

namespace windowing {

namespace {

bool started = false;

void onGlfwError(int, const char* description) {
    platform::showMessageBox(description, "Error", platform::MessageIcon::Information);
}

} // namespace

void showLibraryErrors() {
    glfwSetErrorCallback(onGlfwError);
}

bool startLibrary() {
    started = glfwInit() == GLFW_TRUE;
    return started;
}

void stopLibrary() {
    glfwTerminate();
    started = false;
}

bool libraryStarted() {
    return started;
}

double libraryTime() {
    return glfwGetTime();
}

void pollEvents() {
    glfwPollEvents();
}

void waitEvents(double seconds) {
    glfwWaitEventsTimeout(seconds);
}

// The saver has always handed the library one byte: the intervals it uses, 0 and 1, pass as they
// are, and a negative one, which some drivers take for a swap that may tear, cannot slip through.
void setSwapInterval(int interval) {
    glfwSwapInterval(interval & 0xFF);
}

} // namespace windowing
