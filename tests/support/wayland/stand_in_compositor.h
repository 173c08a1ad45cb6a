#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

// A Wayland compositor of the tests' own, served from a thread of the test process, for what
// headless sway cannot do: remove an output, or keep an output from showing frames. It offers
// shared-memory buffers, surfaces that show nothing, layer shell at a given version and outputs
// that come and go; it answers frame callbacks only while its outputs are shown.
class StandInCompositor {
  public:
    explicit StandInCompositor(std::uint32_t layerShellVersion);
    ~StandInCompositor();

    StandInCompositor(const StandInCompositor&) = delete;
    StandInCompositor& operator=(const StandInCompositor&) = delete;

    // The path to name in WAYLAND_DISPLAY.
    const std::string& socket() const { return socketPath; }

    // An output of that mode, right of the others.
    void addOutput(int width, int height);
    // Removes the output added last.
    void removeOutput();
    // While false, frame callbacks wait; true answers the waiting ones too.
    void setShown(bool shown);
    // The version a client bound layer shell at; 0 before any did.
    std::uint32_t layerShellBound();

    struct State;

  private:
    // Runs the command on the compositor's thread and waits for it.
    void run(const std::function<void(State&)>& command);

    std::unique_ptr<State> state;
    std::string socketPath;
    std::thread thread;
};
