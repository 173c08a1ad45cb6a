#include "bench/fullscreen_program.h"
#include "resources/resource_ids.h"
#include "scene/frame_rate_display.h"
#include "scene/scene.h"
#include "windowing/hidden_context.h"
#include "windowing/library.h"

#include <GL/glew.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Ten noise evaluations per pixel, as many as the fire makes, at the same kind of coordinates,
// summed so that none can be optimised away. Appended to the fire text's own declarations and
// noise functions, so both programs run the same noise code.
const char* const kBaselineMain = R"(
void main()
{
    vec3 position = vec3(0.01 * gl_FragCoord.x + 1223.0, 0.01 * gl_FragCoord.y + 6434.0, 8425.0);
    vec3 drift = 0.5 * iTime * vec3(0.0, -1.7, 1.1);
    float sum = snoise(position + drift);
    sum += snoise(2.0 * position + drift);
    sum += snoise(4.0 * position + drift);
    sum += snoise(1.3 * position - drift);
    sum += snoise(2.6 * position - drift);
    sum += snoise(5.2 * position - drift);
    sum += snoise(1.7 * position + 2.0 * drift);
    sum += snoise(3.4 * position + 2.0 * drift);
    sum += snoise(0.4 * position + 0.2 * drift);
    sum += snoise(0.01 * vec3(gl_FragCoord.xy, 30.0 * iTime));
    gl_FragColor = vec4(vec3(0.05 * sum + 0.5), 1.0);
}
)";

double medianMilliseconds(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Times one frame of each program in turn, so both see the same machine load.
void measure(const FullscreenProgram& fire, const FullscreenProgram& baseline, int width,
             int height, int frames) {
    glViewport(0, 0, width, height);
    std::vector<double> fireTimes;
    std::vector<double> baselineTimes;
    for (int frame = -2; frame < frames; ++frame) {
        float time = 8.0f + 0.016f * static_cast<float>(frame);
        for (int which = 0; which < 2; ++which) {
            const FullscreenProgram& program = which == 0 ? fire : baseline;
            glFinish();
            auto start = std::chrono::steady_clock::now();
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            program.draw(time, static_cast<float>(width), static_cast<float>(height));
            glFinish();
            std::chrono::duration<double, std::milli> spent =
                std::chrono::steady_clock::now() - start;
            // The first frames compile the shaders' machine code and are not counted.
            if (frame >= 0) {
                (which == 0 ? fireTimes : baselineTimes).push_back(spent.count());
            }
        }
    }
    double fireMs = medianMilliseconds(fireTimes);
    double baselineMs = medianMilliseconds(baselineTimes);
    std::printf("frame %dx%d: fire %.2f ms, baseline (10 snoise) %.2f ms, ratio %.3f "
                "(median of %d frames)\n",
                width, height, fireMs, baselineMs, fireMs / baselineMs, frames);
}

// The scene's frame alone and with the frame rate drawn over it (--fps), a frame of each in turn.
// Under load two whole frames differ by more than the text costs, so the text's own part of its
// frame (meter and overlay, GL finished on both sides) is timed as well. The frames of the first
// second and a half give the meter its first reading, so that the timed frames draw the text, and
// are not counted.
void measureFrameRate(int width, int height, int frames) {
    setUpScene();
    FrameRateDisplay display(windowing::libraryTime);
    using Clock = std::chrono::steady_clock;
    auto milliseconds = [](Clock::duration spent) {
        return std::chrono::duration<double, std::milli>(spent).count();
    };
    std::vector<double> plainTimes;
    std::vector<double> shownTimes;
    std::vector<double> textTimes;
    double warmUpEnd = windowing::libraryTime() + 1.5;
    for (int frame = 0; static_cast<int>(shownTimes.size()) < frames; ++frame) {
        bool counted = windowing::libraryTime() >= warmUpEnd;
        FrameInput input = frameInput(width, height, 8.0f + 0.016f * static_cast<float>(frame));
        glFinish();
        Clock::time_point plainStart = Clock::now();
        renderFrame(input);
        glFinish();
        Clock::time_point plainEnd = Clock::now();

        Clock::time_point shownStart = Clock::now();
        display.startFrame();
        Clock::time_point sceneStart = Clock::now();
        renderFrame(input);
        glFinish();
        Clock::time_point sceneEnd = Clock::now();
        display.finishFrame(width, height);
        Clock::time_point shownEnd = Clock::now();
        if (counted) {
            plainTimes.push_back(milliseconds(plainEnd - plainStart));
            shownTimes.push_back(milliseconds(shownEnd - shownStart));
            textTimes.push_back(milliseconds((sceneStart - shownStart) + (shownEnd - sceneEnd)));
        }
    }
    double plainMs = medianMilliseconds(plainTimes);
    double shownMs = medianMilliseconds(shownTimes);
    double textMs = medianMilliseconds(textTimes);
    std::printf("frame %dx%d with --fps: scene %.2f ms, frame-rate text %.3f ms, ratio %.4f; "
                "whole frames with --fps %.2f ms, ratio %.3f (median of %d frames)\n",
                width, height, plainMs, textMs, (plainMs + textMs) / plainMs, shownMs,
                shownMs / plainMs, frames);
}

} // namespace

// Frame cost of the fire program against the bare noise it is built on, and of the frame rate
// drawn over the fire.
int main(int argc, char** argv) {
    int frames = argc > 1 ? std::atoi(argv[1]) : 31;
    if (frames < 1) {
        std::fprintf(stderr, "usage: frame_cost_bench [frames]\n");
        return 2;
    }
    windowing::HiddenContext context({1920, 1080});
    if (!context.valid()) {
        std::fprintf(stderr, "frame_cost_bench: no GL context\n");
        return 1;
    }
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));

    std::string vertexText = shaderText(RES_PASS_THROUGH_VERTEX_SHADER);
    std::string fireText = shaderText(RES_FIRE_FRAGMENT_SHADER);
    std::size_t mainAt = fireText.find("void main()");
    if (mainAt == std::string::npos) {
        std::fprintf(stderr, "frame_cost_bench: the fire text has no main\n");
        return 1;
    }
    std::string baselineText = fireText.substr(0, mainAt) + kBaselineMain;

    FullscreenProgram fire;
    FullscreenProgram baseline;
    std::string error;
    if (!fire.build(vertexText, fireText, &error) ||
        !baseline.build(vertexText, baselineText, &error)) {
        std::fprintf(stderr, "frame_cost_bench: %s\n", error.c_str());
        return 1;
    }
    measure(fire, baseline, 1920, 1080, frames);
    measure(fire, baseline, 1280, 720, frames);
    measureFrameRate(1920, 1080, frames);
    return 0;
}
