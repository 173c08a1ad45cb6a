#pragma once

#include <string>

// What render-frame is asked to draw: --size WxH --time T --out FILE.png.
struct RenderFrameArgs {
    int width = 0;
    int height = 0;
    float time = 0.0f;
    std::string out;
};

// Reads the arguments after the program name; each option must appear exactly once. False with a
// reason in *error for anything else.
bool parseRenderFrameArgs(int argc, const char* const* argv, RenderFrameArgs* args,
                          std::string* error);

// The usage line printed on bad arguments.
const char* renderFrameUsage();
