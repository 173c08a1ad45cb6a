#include "app/screens.h"

#include "scene/scene.h"

#include <algorithm>

namespace {

// Often enough that a changed desktop is covered again, or a display that came back shows the
// fire, before anyone looks twice; seldom enough that asking the display server costs nothing.
constexpr double kLookInterval = 1.0;

// Displays that report a rate below this (Windows' "hardware default" is 0 or 1) have an
// unknown one: pacing to it would show a still picture.
constexpr int kLowestRefreshRate = 20;
constexpr int kUnknownRefreshRate = 60;

bool listed(const std::vector<windowing::Monitor>& monitors, windowing::MonitorId id) {
    return std::any_of(monitors.begin(), monitors.end(),
                       [id](const windowing::Monitor& monitor) { return monitor.id == id; });
}

bool listedAsIs(const std::vector<windowing::Monitor>& monitors, const windowing::Monitor& one) {
    return std::any_of(monitors.begin(), monitors.end(), [&](const windowing::Monitor& monitor) {
        return monitor.id == one.id && samePlaceAndMode(monitor, one);
    });
}

bool sameMonitors(const std::vector<windowing::Monitor>& one,
                  const std::vector<windowing::Monitor>& other) {
    return std::equal(one.begin(), one.end(), other.begin(), other.end(),
                      [](const windowing::Monitor& a, const windowing::Monitor& b) {
                          return a.id == b.id && samePlaceAndMode(a, b);
                      });
}

// A window on a monitor whose mode cannot be read would have no size.
bool hasMode(const windowing::Monitor& monitor) {
    return monitor.width > 0 && monitor.height > 0;
}

} // namespace

Screens::Screens(windowing::Desktop* desktop, const std::vector<windowing::Monitor>& monitors,
                 PixelSize firstSize, const windowing::WindowConduct& conduct,
                 bool fireOnEveryMonitor)
    : desktop(desktop), followsMonitors(true), conduct(conduct),
      fireOnEveryMonitor(fireOnEveryMonitor), seen(monitors) {
    if (monitors.empty() || !open(monitors.front(), firstSize)) {
        return;
    }
    for (auto monitor = monitors.begin() + 1; monitor != monitors.end(); ++monitor) {
        if (hasMode(*monitor)) {
            open(*monitor, {monitor->width, monitor->height});
        }
    }
}

Screens::Screens(windowing::Desktop* desktop, std::unique_ptr<windowing::Screen> only,
                 int refreshRate, bool showsFire)
    : desktop(desktop), pacerShowsFire(showsFire) {
    if (only != nullptr) {
        windowing::Monitor unknown;
        unknown.refreshRate = refreshRate;
        covered.push_back({std::move(only), unknown});
    }
}

double Screens::refreshPeriod() const {
    int rate = covered.empty() ? 0 : covered.front().monitor.refreshRate;
    return 1.0 / (rate >= kLowestRefreshRate ? rate : kUnknownRefreshRate);
}

// The pacer is set last, which leaves it current.
void Screens::pace() {
    for (auto covering = covered.rbegin(); covering != covered.rend(); ++covering) {
        covering->screen->setWaitsForDisplay(covering + 1 == covered.rend());
    }
    pacer().takeFocus();
}

bool Screens::showing(double now) {
    if (now >= nextPowerLook) {
        nextPowerLook = now + kLookInterval;
        displaysOn = desktop->displaysOn();
    }
    return displaysOn && any(&windowing::Screen::wantsFrame);
}

void Screens::drawFrame(float time) {
    for (auto covering = covered.rbegin(); covering != covered.rend(); ++covering) {
        windowing::Screen& screen = *covering->screen;
        if (!screen.wantsFrame()) {
            continue;
        }
        screen.makeCurrent();
        PixelSize size = screen.drawingSize();
        FrameInput frame = frameInput(size.width, size.height, time);
        if (&screen == &pacer() ? pacerShowsFire : fireOnEveryMonitor) {
            renderFrame(frame);
        } else {
            renderBlankFrame(frame);
        }
    }
}

void Screens::present() {
    for (auto covering = covered.rbegin(); covering != covered.rend(); ++covering) {
        if (covering->screen->wantsFrame()) {
            covering->screen->present();
        }
    }
}

bool Screens::any(bool (windowing::Screen::*asks)() const) const {
    return std::any_of(covered.begin(), covered.end(),
                       [asks](const Covering& covering) { return ((*covering.screen).*asks)(); });
}

bool Screens::inputSeen() const {
    return any(&windowing::Screen::inputSeen);
}

bool Screens::escapeHeld() const {
    return any(&windowing::Screen::escapeHeld);
}

bool Screens::closeRequested() const {
    return any(&windowing::Screen::closeRequested);
}

bool Screens::focusTaken() {
    return std::any_of(covered.begin(), covered.end(),
                       [](const Covering& covering) { return covering.screen->focusTaken(); });
}

// When the pacer goes, the next screen takes its place, with its own monitor's refresh period.
// Screens are given up last, so that one opened in the same pass shares the scene with one still
// open.
bool Screens::followDesktop(double now) {
    if (!followsMonitors) {
        return true;
    }
    bool changed = false;
    if (now >= nextLook) {
        nextLook = now + kLookInterval;
        changed = match(desktop->monitors());
    }
    changed = dropLost() || changed;
    if (changed && !covered.empty()) {
        pace();
    }
    return !covered.empty();
}

bool Screens::open(const windowing::Monitor& monitor, PixelSize size) {
    std::unique_ptr<windowing::Screen> screen = desktop->openOn(monitor, size, conduct);
    if (screen == nullptr) {
        refused.push_back(monitor);
        return false;
    }
    covered.push_back({std::move(screen), monitor});
    return true;
}

// A disconnect the desktop has already reported is acted on at once, without waiting for the
// next look at the monitors.
bool Screens::dropLost() {
    return dropWhere([](const Covering& covering) { return covering.screen->monitor() == 0; });
}

// A monitor whose mode cannot be read is left as it is until it can, and one refused is tried
// again once its place or mode changes. Whenever anything about the monitors changed, every screen
// is placed again: where one monitor goes, the display server may shift the others while the
// desktop's own coordinates of them stay (Wine, with a monitor left of the primary switched off).
bool Screens::match(const std::vector<windowing::Monitor>& monitors) {
    bool changed = false;
    refused.erase(
        std::remove_if(refused.begin(), refused.end(),
                       [&](const windowing::Monitor& each) { return !listedAsIs(monitors, each); }),
        refused.end());
    bool moved = !sameMonitors(monitors, seen);
    seen = monitors;
    for (const windowing::Monitor& monitor : monitors) {
        if (!hasMode(monitor)) {
            continue;
        }
        auto covering = std::find_if(covered.begin(), covered.end(), [&](const Covering& each) {
            return each.monitor.id == monitor.id;
        });
        if (covering == covered.end()) {
            changed =
                (!listed(refused, monitor.id) && open(monitor, {monitor.width, monitor.height})) ||
                changed;
        } else if (moved) {
            covering->screen->refit(monitor);
            covering->monitor = monitor;
        }
    }
    return dropWhere(
               [&](const Covering& covering) { return !listed(monitors, covering.monitor.id); }) ||
           changed;
}

// The screens kept stay in their order, so the pacer stays first while it is kept.
template <typename Gone> bool Screens::dropWhere(Gone gone) {
    auto firstGone = std::stable_partition(
        covered.begin(), covered.end(), [&](const Covering& covering) { return !gone(covering); });
    bool dropped = firstGone != covered.end();
    covered.erase(firstGone, covered.end());
    return dropped;
}
