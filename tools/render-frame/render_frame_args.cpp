#include "tools/render-frame/render_frame_args.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// GL implementations cap drawable sizes well below this; larger requests are typing mistakes.
constexpr long kMaxSide = 16384;

bool parseSide(const char* text, const char** end, int* side) {
    if (*text < '0' || *text > '9') {
        return false;
    }
    char* stop = nullptr;
    errno = 0;
    long value = std::strtol(text, &stop, 10);
    if (errno != 0 || value < 1 || value > kMaxSide) {
        return false;
    }
    *side = static_cast<int>(value);
    *end = stop;
    return true;
}

bool parseSize(const char* text, int* width, int* height) {
    const char* rest = nullptr;
    if (!parseSide(text, &rest, width) || *rest != 'x') {
        return false;
    }
    const char* end = nullptr;
    return parseSide(rest + 1, &end, height) && *end == '\0';
}

bool parseTime(const char* text, float* time) {
    if (*text == '\0') {
        return false;
    }
    char* stop = nullptr;
    errno = 0;
    float value = std::strtof(text, &stop);
    if (errno != 0 || *stop != '\0' || !std::isfinite(value)) {
        return false;
    }
    *time = value;
    return true;
}

} // namespace

bool parseRenderFrameArgs(int argc, const char* const* argv, RenderFrameArgs* args,
                          std::string* error) {
    bool haveSize = false;
    bool haveTime = false;
    bool haveOut = false;
    for (int i = 0; i < argc; ++i) {
        const char* option = argv[i];
        if (i + 1 >= argc) {
            *error = std::string("missing value for ") + option;
            return false;
        }
        const char* value = argv[++i];
        if (std::strcmp(option, "--size") == 0 && !haveSize) {
            if (!parseSize(value, &args->width, &args->height)) {
                *error = std::string("bad size: ") + value;
                return false;
            }
            haveSize = true;
        } else if (std::strcmp(option, "--time") == 0 && !haveTime) {
            if (!parseTime(value, &args->time)) {
                *error = std::string("bad time: ") + value;
                return false;
            }
            haveTime = true;
        } else if (std::strcmp(option, "--out") == 0 && !haveOut) {
            if (*value == '\0') {
                *error = "empty output path";
                return false;
            }
            args->out = value;
            haveOut = true;
        } else {
            *error = std::string("unexpected argument: ") + option;
            return false;
        }
    }
    if (!haveSize || !haveTime || !haveOut) {
        *error = "--size, --time and --out are all required";
        return false;
    }
    return true;
}

const char* renderFrameUsage() {
    return "usage: render-frame --size WxH --time T --out FILE.png";
}
