#include "app/startup.h"
#include "platform/outside_end.h"

#include <string>

// X11 hosts pass the switches as separate arguments; joined with single spaces they read exactly
// like the Windows command line.
int main(int argc, char** argv) {
    platform::endQuietlyFromOutside();
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            commandLine += ' ';
        }
        commandLine += argv[i];
    }
    return runStartup(commandLine.c_str(), nullptr, 0);
}
