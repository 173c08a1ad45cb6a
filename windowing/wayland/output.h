#pragma once

#include "windowing/monitor.h"

#include <cstdint>

struct wl_output;
struct wl_output_listener;
struct wl_registry;

namespace windowing {

class LayerSurface;

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
    // The registry name as its id, the place on the compositor's desktop, the mode in pixels, its
    // refresh in Hz and its scale, as of the last complete description.
    const Monitor& monitor() const { return current; }
    int scale() const { return current.scale; }

    // The saver's surface on the output while there is one; the surface keeps it up to date.
    LayerSurface* surface = nullptr;

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
    bool described = false;
};

} // namespace windowing
