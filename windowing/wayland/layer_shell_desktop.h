#pragma once

#include "windowing/desktop.h"
#include "windowing/wayland/layer_surface.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

struct wl_registry;
struct wl_registry_listener;

namespace windowing {

class Output;
class Seats;

// A Wayland compositor that offers layer shell, as the saver's desktop: its outputs are the
// monitors, a layer surface on one is a screen, and every surface draws with one GL context. Each
// output knows the surface on it: an output that goes takes its surface's monitor with it; a
// broken connection takes them all.
class LayerShellDesktop : public Desktop {
  public:
    // The compositor at the other end of the connection, with its outputs described; nullptr,
    // and the connection closed, where it offers no layer shell.
    static std::unique_ptr<LayerShellDesktop> over(wl_display* display);

    // Closes the connection; the screens it made must be gone.
    ~LayerShellDesktop() override;

    LayerShellDesktop(const LayerShellDesktop&) = delete;
    LayerShellDesktop& operator=(const LayerShellDesktop&) = delete;

    // The outputs described so far, in the order the compositor listed them.
    std::vector<Monitor> monitors() override;
    // The surface draws at its output's size times its scale, whatever size asks for, and with
    // the one context.
    std::unique_ptr<Screen> openOn(const Monitor& monitor, PixelSize size,
                                   const WindowConduct& conduct) override;
    void pollEvents() override;
    void waitEvents(double seconds) override;
    double time() const override;

  private:
    explicit LayerShellDesktop(wl_display* display);

    void dispatch(int timeoutMilliseconds);
    bool readEvents(int timeoutMilliseconds);
    void forget(const Output& output);
    void loseEveryOutput();

    static void onGlobal(void* data, wl_registry* registry, std::uint32_t name,
                         const char* interface, std::uint32_t version);
    static void onGlobalRemove(void* data, wl_registry* registry, std::uint32_t name);

    static const wl_registry_listener registryListener;

    SurfaceKit kit;
    std::unique_ptr<EglContext> egl;
    // Served on a thread of their own from the first frame on.
    std::unique_ptr<Seats> seats;
    wl_registry* registry;
    std::vector<std::unique_ptr<Output>> outputs;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

} // namespace windowing
