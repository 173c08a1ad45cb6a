#include "tests/support/wayland/stand_in_compositor.h"

#include <wayland-server.h>

// The generated header names a parameter "namespace", which C++ keeps for itself.
#define namespace layer_namespace
#include "wlr-layer-shell-unstable-v1-server-protocol.h"
#undef namespace

#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <future>
#include <mutex>
#include <vector>

namespace {

// What an output global describes to each client that binds it.
struct OutputMode {
    StandInCompositor::State* state;
    int x;
    int width;
    int height;
};

} // namespace

struct StandInCompositor::State {
    wl_display* display = wl_display_create();
    int wake = eventfd(0, EFD_CLOEXEC);
    wl_event_source* wakeSource = nullptr;
    std::mutex mutex;
    std::vector<std::function<void()>> commands;
    bool stopping = false;
    std::uint32_t layerShellVersion = 0;
    std::uint32_t layerShellBound = 0;
    std::vector<wl_global*> outputs;
    // Kept until the end: a removed output's global may still be bound meanwhile.
    std::vector<std::unique_ptr<OutputMode>> modes;
    int nextOutputX = 0;
    bool shown = true;
    // Frame callbacks of committed frames that no output has shown yet.
    std::vector<wl_resource*> waiting;
    std::uint32_t serial = 0;
};

namespace {

using State = StandInCompositor::State;

struct Surface {
    explicit Surface(State* state) : state(state) {}

    State* state;
    wl_resource* buffer = nullptr;
    std::vector<wl_resource*> frames;
    wl_resource* layer = nullptr;
    bool configured = false;
};

template <typename... Args> void ignored(wl_client*, wl_resource*, Args...) {}

void destroyResource(wl_client*, wl_resource* resource) {
    wl_resource_destroy(resource);
}

Surface* surfaceOf(wl_resource* resource) {
    return static_cast<Surface*>(wl_resource_get_user_data(resource));
}

// Each callback is answered once and then goes; one the client let go of first is forgotten.
void answerFrames(State& state) {
    std::vector<wl_resource*> answered;
    answered.swap(state.waiting);
    for (wl_resource* callback : answered) {
        wl_resource_set_destructor(callback, nullptr);
        wl_callback_send_done(callback, 0);
        wl_resource_destroy(callback);
    }
}

void forgetCallback(wl_resource* callback) {
    auto* state = static_cast<State*>(wl_resource_get_user_data(callback));
    auto& waiting = state->waiting;
    waiting.erase(std::remove(waiting.begin(), waiting.end(), callback), waiting.end());
}

void attach(wl_client*, wl_resource* resource, wl_resource* buffer, std::int32_t, std::int32_t) {
    surfaceOf(resource)->buffer = buffer;
}

void frame(wl_client* client, wl_resource* resource, std::uint32_t id) {
    Surface* surface = surfaceOf(resource);
    wl_resource* callback = wl_resource_create(client, &wl_callback_interface, 1, id);
    wl_resource_set_implementation(callback, nullptr, surface->state, forgetCallback);
    surface->frames.push_back(callback);
}

// A layer surface's first commit is answered with its size; a buffer is done with at once, since
// nothing is shown.
void commit(wl_client*, wl_resource* resource) {
    Surface* surface = surfaceOf(resource);
    State& state = *surface->state;
    if (surface->layer != nullptr && !surface->configured) {
        zwlr_layer_surface_v1_send_configure(surface->layer, ++state.serial, 320, 240);
        surface->configured = true;
    }
    if (surface->buffer != nullptr) {
        wl_buffer_send_release(surface->buffer);
        surface->buffer = nullptr;
    }
    state.waiting.insert(state.waiting.end(), surface->frames.begin(), surface->frames.end());
    surface->frames.clear();
    if (state.shown) {
        answerFrames(state);
    }
}

const struct wl_surface_interface surfaceImplementation = {
    destroyResource,
    attach,
    ignored<std::int32_t, std::int32_t, std::int32_t, std::int32_t>,
    frame,
    ignored<wl_resource*>,
    ignored<wl_resource*>,
    commit,
    ignored<std::int32_t>,
    ignored<std::int32_t>,
    ignored<std::int32_t, std::int32_t, std::int32_t, std::int32_t>,
    ignored<std::int32_t, std::int32_t>,
};

const struct wl_region_interface regionImplementation = {
    destroyResource,
    ignored<std::int32_t, std::int32_t, std::int32_t, std::int32_t>,
    ignored<std::int32_t, std::int32_t, std::int32_t, std::int32_t>,
};

// Frame callbacks of a surface that goes before its commit stay the client's to destroy.
void freeSurface(wl_resource* resource) {
    Surface* surface = surfaceOf(resource);
    if (surface->layer != nullptr) {
        wl_resource_set_user_data(surface->layer, nullptr);
    }
    delete surface;
}

void createSurface(wl_client* client, wl_resource* resource, std::uint32_t id) {
    wl_resource* surface =
        wl_resource_create(client, &wl_surface_interface, wl_resource_get_version(resource), id);
    wl_resource_set_implementation(
        surface, &surfaceImplementation,
        new Surface(static_cast<State*>(wl_resource_get_user_data(resource))), freeSurface);
}

void createRegion(wl_client* client, wl_resource* resource, std::uint32_t id) {
    wl_resource* region =
        wl_resource_create(client, &wl_region_interface, wl_resource_get_version(resource), id);
    wl_resource_set_implementation(region, &regionImplementation, nullptr, nullptr);
}

const struct wl_compositor_interface compositorImplementation = {createSurface, createRegion};

void bindCompositor(wl_client* client, void* data, std::uint32_t version, std::uint32_t id) {
    wl_resource* resource = wl_resource_create(client, &wl_compositor_interface, version, id);
    wl_resource_set_implementation(resource, &compositorImplementation, data, nullptr);
}

const struct zwlr_layer_surface_v1_interface layerSurfaceImplementation = {
    ignored<std::uint32_t, std::uint32_t>,
    ignored<std::uint32_t>,
    ignored<std::int32_t>,
    ignored<std::int32_t, std::int32_t, std::int32_t, std::int32_t>,
    ignored<std::uint32_t>,
    ignored<wl_resource*>,
    ignored<std::uint32_t>,
    destroyResource,
    ignored<std::uint32_t>,
};

void forgetLayer(wl_resource* layer) {
    if (auto* surface = static_cast<Surface*>(wl_resource_get_user_data(layer))) {
        surface->layer = nullptr;
    }
}

void getLayerSurface(wl_client* client, wl_resource* resource, std::uint32_t id,
                     wl_resource* surfaceResource, wl_resource*, std::uint32_t, const char*) {
    Surface* surface = surfaceOf(surfaceResource);
    surface->layer = wl_resource_create(client, &zwlr_layer_surface_v1_interface,
                                        wl_resource_get_version(resource), id);
    wl_resource_set_implementation(surface->layer, &layerSurfaceImplementation, surface,
                                   forgetLayer);
}

const struct zwlr_layer_shell_v1_interface layerShellImplementation = {getLayerSurface,
                                                                       destroyResource};

void bindLayerShell(wl_client* client, void* data, std::uint32_t version, std::uint32_t id) {
    static_cast<State*>(data)->layerShellBound = version;
    wl_resource* resource =
        wl_resource_create(client, &zwlr_layer_shell_v1_interface, static_cast<int>(version), id);
    wl_resource_set_implementation(resource, &layerShellImplementation, data, nullptr);
}

const struct wl_output_interface outputImplementation = {destroyResource};

void bindOutput(wl_client* client, void* data, std::uint32_t version, std::uint32_t id) {
    const auto* mode = static_cast<const OutputMode*>(data);
    wl_resource* resource =
        wl_resource_create(client, &wl_output_interface, static_cast<int>(version), id);
    wl_resource_set_implementation(resource, &outputImplementation, nullptr, nullptr);
    wl_output_send_geometry(resource, mode->x, 0, 0, 0, WL_OUTPUT_SUBPIXEL_UNKNOWN, "stand-in",
                            "stand-in", WL_OUTPUT_TRANSFORM_NORMAL);
    wl_output_send_mode(resource, WL_OUTPUT_MODE_CURRENT, mode->width, mode->height, 60000);
    if (version >= 2) {
        wl_output_send_scale(resource, 1);
        wl_output_send_done(resource);
    }
}

int onWake(int fd, std::uint32_t, void* data) {
    auto* state = static_cast<State*>(data);
    eventfd_t count = 0;
    eventfd_read(fd, &count);
    std::vector<std::function<void()>> commands;
    {
        std::lock_guard<std::mutex> lock(state->mutex);
        commands.swap(state->commands);
    }
    for (const auto& command : commands) {
        command();
    }
    return 0;
}

// A socket of its own in a folder of its own, so that no runtime folder is needed.
int listenOn(std::string* path) {
    char folder[] = "/tmp/stand-in-compositor-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::abort();
    }
    *path = std::string(folder) + "/wayland";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path->c_str(), sizeof address.sun_path - 1);
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 4) != 0) {
        std::abort();
    }
    return fd;
}

} // namespace

StandInCompositor::StandInCompositor(std::uint32_t layerShellVersion) : state(new State) {
    State* served = state.get();
    served->layerShellVersion = layerShellVersion;
    wl_display_add_socket_fd(served->display, listenOn(&socketPath));
    wl_display_init_shm(served->display);
    wl_global_create(served->display, &wl_compositor_interface, 4, served, bindCompositor);
    wl_global_create(served->display, &zwlr_layer_shell_v1_interface,
                     static_cast<int>(layerShellVersion), served, bindLayerShell);
    served->wakeSource = wl_event_loop_add_fd(wl_display_get_event_loop(served->display),
                                              served->wake, WL_EVENT_READABLE, onWake, served);
    thread = std::thread([served] {
        wl_event_loop* loop = wl_display_get_event_loop(served->display);
        while (!served->stopping) {
            wl_display_flush_clients(served->display);
            wl_event_loop_dispatch(loop, -1);
        }
    });
}

StandInCompositor::~StandInCompositor() {
    run([](State& served) { served.stopping = true; });
    thread.join();
    wl_display_destroy_clients(state->display);
    wl_event_source_remove(state->wakeSource);
    wl_display_destroy(state->display);
    close(state->wake);
    unlink(socketPath.c_str());
    rmdir(socketPath.substr(0, socketPath.rfind('/')).c_str());
}

void StandInCompositor::run(const std::function<void(State&)>& command) {
    std::promise<void> done;
    {
        std::lock_guard<std::mutex> lock(state->mutex);
        state->commands.push_back([&] {
            command(*state);
            done.set_value();
        });
    }
    eventfd_write(state->wake, 1);
    done.get_future().wait();
}

void StandInCompositor::addOutput(int width, int height) {
    run([width, height](State& served) {
        served.modes.push_back(
            std::make_unique<OutputMode>(OutputMode{&served, served.nextOutputX, width, height}));
        served.nextOutputX += width;
        served.outputs.push_back(wl_global_create(served.display, &wl_output_interface, 3,
                                                  served.modes.back().get(), bindOutput));
    });
}

void StandInCompositor::removeOutput() {
    run([](State& served) {
        wl_global_destroy(served.outputs.back());
        served.outputs.pop_back();
    });
}

void StandInCompositor::setShown(bool shown) {
    run([shown](State& served) {
        served.shown = shown;
        if (shown) {
            answerFrames(served);
        }
    });
}

std::uint32_t StandInCompositor::layerShellBound() {
    std::uint32_t bound = 0;
    run([&bound](State& served) { bound = served.layerShellBound; });
    return bound;
}
