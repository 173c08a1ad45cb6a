#include "app/about/about_window.h"

#include "platform/message_box.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// The directory of the running executable, with its trailing slash; empty when unknown.
std::string ownDirectory() {
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        return {};
    }
    std::string own(path, static_cast<std::size_t>(length));
    return own.substr(0, own.rfind('/') + 1);
}

// Beside the saver in a build tree or a self-contained folder; otherwise where an installation
// puts helper programs.
std::string findAboutProgram() {
    std::string beside = ownDirectory() + EMBERVEIL_ABOUT_PROGRAM;
    if (access(beside.c_str(), X_OK) == 0) {
        return beside;
    }
    return EMBERVEIL_LIBEXEC_DIR "/" EMBERVEIL_ABOUT_PROGRAM;
}

} // namespace

// GTK lives in a program of its own, which takes this process's place: the saver's own modes
// never load it, so their start-up time and memory stay as they were.
void AboutWindow::run(platform::AppInstance, int) {
    std::string program = findAboutProgram();
    const char* arguments[] = {program.c_str(),
                               caption.c_str(),
                               windowClassName.c_str(),
                               linkCaption.c_str(),
                               aboutText.c_str(),
                               productName.c_str(),
                               nullptr};
    execv(program.c_str(), const_cast<char* const*>(arguments));
    std::string failure = "Cannot start " + program + ": " + std::strerror(errno);
    platform::showMessageBox(failure.c_str(), "Error!", platform::MessageIcon::Warning);
}
