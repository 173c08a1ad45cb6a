#include "tools/render-frame/frame_capture.h"
#include "tools/render-frame/png_file.h"
#include "tools/render-frame/render_frame_args.h"

#include <cstdio>
#include <string>

// Renders one saver frame at a given time and size into a PNG, without showing a window.
int main(int argc, char** argv) {
    RenderFrameArgs args;
    std::string error;
    if (!parseRenderFrameArgs(argc - 1, argv + 1, &args, &error)) {
        std::fprintf(stderr, "render-frame: %s\n%s\n", error.c_str(), renderFrameUsage());
        return 2;
    }
    FrameCapture capture;
    if (!capture.open(args.width, args.height)) {
        std::fprintf(stderr, "render-frame: cannot open a %dx%d GL window\n", args.width,
                     args.height);
        return 1;
    }
    RgbImage image = capture.capture(args.width, args.height, args.time);
    if (!writePng(args.out, image)) {
        std::fprintf(stderr, "render-frame: cannot write %s\n", args.out.c_str());
        return 1;
    }
    return 0;
}
