#include "tests/support/wayland/stand_in_compositor.h"
#include "windowing/compositor_desktop.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

using windowing::Monitor;
using windowing::Screen;

// Takes in the compositor's events until the condition holds, for at most a few seconds.
bool eventually(windowing::Desktop& desktop, const std::function<bool()>& condition) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        desktop.waitEvents(0.05);
    }
    return true;
}

// On a compositor of the tests' own: a surface gets no frame while the compositor has not shown
// its last one, and one whose output goes no longer names it, while the other keeps its own.
TEST(LayerShellDesktop, SurfacesWaitForTheirFramesAndLetGoOfARemovedOutput) {
    StandInCompositor compositor(4);
    compositor.addOutput(320, 240);
    compositor.addOutput(160, 120);
    compositor.setShown(false);
    setenv("WAYLAND_DISPLAY", compositor.socket().c_str(), 1);
    std::unique_ptr<windowing::Desktop> desktop = windowing::openCompositorDesktop();
    ASSERT_NE(desktop, nullptr);
    // Bound at the version whose destroy request it sends, not at the newer one offered.
    EXPECT_EQ(compositor.layerShellBound(), 3u);
    std::vector<Monitor> monitors = desktop->monitors();
    ASSERT_EQ(monitors.size(), 2u);
    std::unique_ptr<Screen> first = desktop->openOn(monitors[0], {}, {});
    ASSERT_NE(first, nullptr);
    std::unique_ptr<Screen> second = desktop->openOn(monitors[1], {}, {});
    ASSERT_NE(second, nullptr);

    // Each has shown its black frame, which the compositor has not shown yet.
    desktop->waitEvents(0.2);
    EXPECT_FALSE(first->wantsFrame());
    EXPECT_FALSE(second->wantsFrame());
    compositor.setShown(true);
    EXPECT_TRUE(eventually(*desktop, [&] { return first->wantsFrame() && second->wantsFrame(); }));

    compositor.removeOutput();
    EXPECT_TRUE(eventually(*desktop, [&] { return second->monitor() == 0; }));
    EXPECT_EQ(first->monitor(), monitors[0].id);
    EXPECT_EQ(desktop->monitors().size(), 1u);
    unsetenv("WAYLAND_DISPLAY");
}

} // namespace
