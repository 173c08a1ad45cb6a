#pragma once

#include "windowing/monitor.h"

#include <cstdint>
#include <functional>

struct wl_output;
struct wl_output_listener;
struct wl_registry;

namespace windowing {

// One output of the compositor as its wl_output describes it: place, current mode and scale.
class Output {
  public:
    // Binds the output that the registry lists under name.
    Output(wl_registry* registry, std::uint32_t name, std::uint32_t version);
    ~Output();

    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    wl_output* proxy() const { return output; }
    // Whether the compositor has described the output completely at least once.
    bool known() const { return described; }
    // The registry name as its id, the place on the compositor's desktop, the mode in pixels and
    // its refresh in Hz, as of the last complete description.
    const Monitor& monitor() const { return current; }
    int scale() const { return currentScale; }

    // Runs after each complete description, for the surfaces on the output to follow it.
    std::function<void()> onChange;

  private:
    static void onGeometry(void* data, wl_output* output, std::int32_t x, std::int32_t y,
                           std::int32_t physicalWidth, std::int32_t physicalHeight,
                           std::int32_t subpixel, const char* make, const char* model,
                           std::int32_t transform);
    static void onMode(void* data, wl_output* output, std::uint32_t flags, std::int32_t width,
                       std::int32_t height, std::int32_t refresh);
    static void onDone(void* data, wl_output* output);
    static void onScale(void* data, wl_output* output, std::int32_t factor);

    static const wl_output_listener listener;

    wl_output* output;
    Monitor pending;
    Monitor current;
    int pendingScale = 1;
    int currentScale = 1;
    bool described = false;
};

} // namespace windowing
