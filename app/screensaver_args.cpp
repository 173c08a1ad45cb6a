#include "app/screensaver_args.h"

#include <cctype>
#include <climits>

namespace {

// atoi's reading (blanks, sign, digits up to the first non-digit, 0 without digits) with the
// overflow that atoi leaves undefined pinned to INT_MIN or INT_MAX.
int readHandleNumber(const char* text) {
    while (std::isspace(static_cast<unsigned char>(*text))) {
        ++text;
    }
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') {
        ++text;
    }
    long long value = 0;
    for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
        value = value * 10 + (*text - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(value);
}

} // namespace

ScreensaverArgs* parseScreensaverArgs(const char* commandLine) {
    auto* args = new ScreensaverArgs;
    if (commandLine == nullptr) {
        return args;
    }
    for (const char* at = commandLine; *at != '\0'; ++at) {
        if (*at != '/') {
            continue;
        }
        switch (at[1]) {
        case 'p':
            args->mode = SaverMode::Preview;
            break;
        case 's':
            args->mode = SaverMode::Fullscreen;
            break;
        case 'c':
            args->mode = SaverMode::Configure;
            break;
        default:
            break;
        }
        if (args->mode == SaverMode::None) {
            continue;
        }
        // The handle follows the switch letter and one separator: "/p 1234", "/c:1234".
        bool lineEndsEarly = at[1] == '\0' || at[2] == '\0';
        args->parent = lineEndsEarly ? 0 : readHandleNumber(at + 3);
    }
    return args;
}
