#include "windowing/wayland/output.h"

#include "windowing/wayland/ignored_event.h"

#include <wayland-client.h>

#include <algorithm>

namespace windowing {

namespace {

// Scale and the end of each description came with version 2; nothing later is needed.
constexpr std::uint32_t kVersion = 2;

Output* from(void* data) {
    return static_cast<Output*>(data);
}

} // namespace

const wl_output_listener Output::listener = {
    onGeometry, onMode, onDone, onScale, ignoredEvent, ignoredEvent,
};

Output::Output(wl_registry* registry, std::uint32_t name, std::uint32_t version)
    : output(static_cast<wl_output*>(
          wl_registry_bind(registry, name, &wl_output_interface, std::min(version, kVersion)))) {
    pending.id = name;
    current.id = name;
    wl_output_add_listener(output, &listener, this);
}

// Release came with version 3: at version 2 the proxy is only destroyed.
Output::~Output() {
    wl_output_destroy(output);
}

void Output::onGeometry(void* data, wl_output*, std::int32_t x, std::int32_t y, std::int32_t,
                        std::int32_t, std::int32_t, const char*, const char*, std::int32_t) {
    from(data)->pending.x = x;
    from(data)->pending.y = y;
}

// Refresh comes in millihertz.
void Output::onMode(void* data, wl_output*, std::uint32_t flags, std::int32_t width,
                    std::int32_t height, std::int32_t refresh) {
    if ((flags & WL_OUTPUT_MODE_CURRENT) == 0) {
        return;
    }
    Monitor& pending = from(data)->pending;
    pending.width = width;
    pending.height = height;
    pending.refreshRate = (refresh + 500) / 1000;
}

void Output::onScale(void* data, wl_output*, std::int32_t factor) {
    from(data)->pending.scale = std::max(factor, 1);
}

void Output::onDone(void* data, wl_output*) {
    Output* output = from(data);
    output->current = output->pending;
    output->described = true;
}

} // namespace windowing
