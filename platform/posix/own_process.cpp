#include "platform/posix/own_process.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace platform {

std::string runOwnExecutable(const char* argument) {
    // The link names the running program even where it was started through another link or
    // has since been replaced on disk.
    const char* self = "/proc/self/exe";
    char name[] = "emberveil";
    std::string copy = argument;
    char* argv[] = {name, copy.data(), nullptr};
    pid_t child = 0;
    const int failed = posix_spawn(&child, self, nullptr, nullptr, argv, environ);
    if (failed != 0) {
        return std::string("Could not start the saver: ") + std::strerror(failed);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return std::string("Lost the saver: ") + std::strerror(errno);
        }
    }
    if (WIFSIGNALED(status)) {
        return std::string("The saver was ended by a signal: ") + strsignal(WTERMSIG(status));
    }
    if (WEXITSTATUS(status) != 0) {
        return "The saver ended with exit code " + std::to_string(WEXITSTATUS(status));
    }
    return "";
}

} // namespace platform
