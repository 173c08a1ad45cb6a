#include "windowing/wayland/layer_shell_desktop.h"

#include "windowing/wayland/layer_shell_protocol.h"
#include "windowing/wayland/output.h"
#include "windowing/wayland/seats.h"

#include <wayland-client.h>

#include <poll.h>

#include <algorithm>
#include <cstring>

namespace windowing {

namespace {

// Buffer scale came with version 3 of the compositor.
constexpr std::uint32_t kCompositorVersion = 3;
// The first version of layer shell has everything the saver asks of it; the third adds the request
// that destroys it on the compositor's side too.
constexpr std::uint32_t kLayerShellVersion = 3;

LayerShellDesktop* from(void* data) {
    return static_cast<LayerShellDesktop*>(data);
}

// Before version 3 the compositor's side has no destroy request: only the proxy goes.
void destroyLayerShell(zwlr_layer_shell_v1* layerShell) {
    if (zwlr_layer_shell_v1_get_version(layerShell) >= ZWLR_LAYER_SHELL_V1_DESTROY_SINCE_VERSION) {
        zwlr_layer_shell_v1_destroy(layerShell);
    } else {
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(layerShell));
    }
}

template <typename Proxy>
Proxy* bind(wl_registry* registry, std::uint32_t name, const wl_interface& interface,
            std::uint32_t version) {
    return static_cast<Proxy*>(wl_registry_bind(registry, name, &interface, version));
}

} // namespace

const wl_registry_listener LayerShellDesktop::registryListener = {onGlobal, onGlobalRemove};

// The first round trip lists the globals, the second brings the outputs' descriptions.
std::unique_ptr<LayerShellDesktop> LayerShellDesktop::over(wl_display* display) {
    std::unique_ptr<LayerShellDesktop> desktop(new LayerShellDesktop(display));
    wl_display_roundtrip(display);
    wl_display_roundtrip(display);
    if (desktop->kit.compositor == nullptr || desktop->kit.layerShell == nullptr) {
        return nullptr;
    }
    desktop->seats->serve();
    return desktop;
}

LayerShellDesktop::LayerShellDesktop(wl_display* display)
    : seats(std::make_unique<Seats>(display)), registry(wl_display_get_registry(display)) {
    kit.display = display;
    kit.seatNotes = &seats->notes;
    wl_registry_add_listener(registry, &registryListener, this);
}

LayerShellDesktop::~LayerShellDesktop() {
    seats.reset();
    outputs.clear();
    egl.reset();
    if (kit.layerShell != nullptr) {
        destroyLayerShell(kit.layerShell);
    }
    if (kit.compositor != nullptr) {
        wl_compositor_destroy(kit.compositor);
    }
    wl_registry_destroy(registry);
    wl_display_disconnect(kit.display);
}

std::vector<Monitor> LayerShellDesktop::monitors() {
    std::vector<Monitor> described;
    for (const auto& output : outputs) {
        if (output->known()) {
            described.push_back(output->monitor());
        }
    }
    return described;
}

// An output removed since the monitors were read gets no surface; its name never comes back.
std::unique_ptr<Screen> LayerShellDesktop::openOn(const Monitor& monitor, PixelSize,
                                                  const WindowConduct& conduct) {
    auto output = std::find_if(outputs.begin(), outputs.end(), [&](const auto& each) {
        return each->known() && each->monitor().id == monitor.id;
    });
    if (output == outputs.end()) {
        return nullptr;
    }
    if (egl == nullptr) {
        egl.reset(EglContext::create(kit.display));
        kit.egl = egl.get();
        if (egl == nullptr) {
            return nullptr;
        }
    }
    seats->notes.hideCursor = conduct.hideCursor;
    return LayerSurface::open(kit, **output, conduct);
}

void LayerShellDesktop::pollEvents() {
    dispatch(0);
}

void LayerShellDesktop::waitEvents(double seconds) {
    dispatch(static_cast<int>(seconds * 1000.0));
}

double LayerShellDesktop::time() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A compositor that removes an output closes its surfaces first: one more round trip lets the
// removal arrive before the shell takes a close for the request to end. A broken connection
// takes every output with it, which ends the saver as the loss of its last monitor does.
void LayerShellDesktop::dispatch(int timeoutMilliseconds) {
    if (!readEvents(timeoutMilliseconds) || wl_display_dispatch_pending(kit.display) < 0) {
        loseEveryOutput();
        return;
    }
    if (std::any_of(outputs.begin(), outputs.end(), [](const auto& output) {
            return output->surface != nullptr && output->surface->closeRequested();
        })) {
        wl_display_roundtrip(kit.display);
    }
}

// Reads what the compositor sent, waiting up to the timeout for the first of it. False once the
// connection is broken.
bool LayerShellDesktop::readEvents(int timeoutMilliseconds) {
    wl_display* display = kit.display;
    while (wl_display_prepare_read(display) != 0) {
        if (wl_display_dispatch_pending(display) < 0) {
            return false;
        }
    }
    wl_display_flush(display);
    pollfd connection{wl_display_get_fd(display), POLLIN, 0};
    if (poll(&connection, 1, timeoutMilliseconds) <= 0) {
        wl_display_cancel_read(display);
        return true;
    }
    return wl_display_read_events(display) == 0;
}

void LayerShellDesktop::forget(const Output& output) {
    if (output.surface != nullptr) {
        output.surface->loseOutput();
    }
}

void LayerShellDesktop::loseEveryOutput() {
    for (const auto& output : outputs) {
        forget(*output);
    }
    outputs.clear();
}

void LayerShellDesktop::onGlobal(void* data, wl_registry* registry, std::uint32_t name,
                                 const char* interface, std::uint32_t version) {
    LayerShellDesktop* desktop = from(data);
    if (std::strcmp(interface, wl_compositor_interface.name) == 0 &&
        version >= kCompositorVersion) {
        desktop->kit.compositor =
            bind<wl_compositor>(registry, name, wl_compositor_interface, kCompositorVersion);
    } else if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0) {
        desktop->kit.layerShell = bind<zwlr_layer_shell_v1>(
            registry, name, zwlr_layer_shell_v1_interface, std::min(version, kLayerShellVersion));
    } else if (std::strcmp(interface, wl_output_interface.name) == 0) {
        desktop->outputs.push_back(std::make_unique<Output>(registry, name, version));
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0) {
        desktop->seats->add(registry, name, version);
    }
}

void LayerShellDesktop::onGlobalRemove(void* data, wl_registry*, std::uint32_t name) {
    LayerShellDesktop* desktop = from(data);
    auto output = std::find_if(desktop->outputs.begin(), desktop->outputs.end(),
                               [name](const auto& each) { return each->monitor().id == name; });
    if (output != desktop->outputs.end()) {
        desktop->forget(**output);
        desktop->outputs.erase(output);
    }
    desktop->seats->remove(name);
}

} // namespace windowing
