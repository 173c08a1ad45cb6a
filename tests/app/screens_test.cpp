#include "app/screens.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using windowing::Monitor;

// A screen that remembers what the screens asked of it. Every one alive is listed, so that a
// screen kept for a monitor that is gone, or two on one monitor, shows in the count.
class FakeScreen : public windowing::Screen {
  public:
    explicit FakeScreen(const Monitor& monitor) : covers(monitor) { alive.push_back(this); }
    ~FakeScreen() override { alive.erase(std::find(alive.begin(), alive.end(), this)); }

    void makeCurrent() override {}
    void present() override {}
    PixelSize drawingSize() const override { return {covers.width, covers.height}; }
    void setWaitsForDisplay(bool waitsNow) override { waits = waitsNow; }
    bool wantsFrame() const override { return wants; }
    bool inputSeen() const override { return false; }
    bool escapeHeld() const override { return false; }
    bool closeRequested() const override { return false; }
    windowing::MonitorId monitor() const override { return lost ? 0 : covers.id; }
    void refit(const Monitor& monitor) override {
        covers = monitor;
        ++refits;
    }

    static FakeScreen* on(windowing::MonitorId id) {
        auto found = std::find_if(alive.begin(), alive.end(), [id](const FakeScreen* screen) {
            return screen->covers.id == id;
        });
        return found != alive.end() ? *found : nullptr;
    }

    static std::vector<FakeScreen*> alive;
    Monitor covers;
    int refits = 0;
    bool waits = false;
    bool wants = true;
    bool lost = false;
};

std::vector<FakeScreen*> FakeScreen::alive;

class FakeDesktop : public windowing::Desktop {
  public:
    std::vector<Monitor> monitors() override {
        ++looks;
        return shown;
    }
    // Refuses as the library does a window without size, saying so each time.
    std::unique_ptr<windowing::Screen> openOn(const Monitor& monitor, PixelSize size,
                                              const windowing::WindowConduct&) override {
        if (size.width <= 0 || size.height <= 0) {
            ++sizeless;
            return nullptr;
        }
        if (monitor.id == refusing) {
            return nullptr;
        }
        return std::make_unique<FakeScreen>(monitor);
    }
    void pollEvents() override {}
    void waitEvents(double) override {}
    double time() const override { return 0.0; }
    bool displaysOn() override {
        ++powerLooks;
        return on;
    }

    std::vector<Monitor> shown;
    windowing::MonitorId refusing = 0;
    int sizeless = 0;
    int looks = 0;
    bool on = true;
    int powerLooks = 0;
};

Monitor monitor(windowing::MonitorId id, int x, int width, int height, int rate = 60) {
    return {id, x, 0, width, height, rate};
}

// Three monitors with a mode, the third at a rate no display has, and one whose mode cannot be
// read yet.
class ScreensTest : public ::testing::Test {
  protected:
    ScreensTest() {
        desktop.shown = {monitor(1, 0, 1280, 1024, 50), monitor(2, 1280, 1024, 768, 75),
                         monitor(3, 2304, 800, 600, 1), monitor(4, 3104, 0, 0, 0)};
        screens = std::make_unique<Screens>(&desktop, desktop.shown, PixelSize{1280, 1024},
                                            windowing::WindowConduct{}, true);
        screens->pace();
    }
    ~ScreensTest() override {
        screens.reset();
        FakeScreen::alive.clear();
    }

    // Only the first screen's presents wait for the display, and the loop is paced to its rate.
    void expectPacedBy(windowing::MonitorId id, double period) {
        for (const FakeScreen* screen : FakeScreen::alive) {
            EXPECT_EQ(screen->waits, screen->covers.id == id) << "monitor " << screen->covers.id;
        }
        EXPECT_EQ(&screens->pacer(), FakeScreen::on(id));
        EXPECT_DOUBLE_EQ(screens->refreshPeriod(), period);
    }

    std::vector<int> refits() const {
        std::vector<int> counts;
        for (const FakeScreen* screen : FakeScreen::alive) {
            counts.push_back(screen->refits);
        }
        return counts;
    }

    FakeDesktop desktop;
    std::unique_ptr<Screens> screens;
    double now = 10.0;
};

TEST_F(ScreensTest, EachMonitorWithAModeGetsOneScreenAndThePrimaryPacesThem) {
    ASSERT_EQ(FakeScreen::alive.size(), 3u);
    EXPECT_EQ(FakeScreen::alive[1]->covers.id, 2u);
    EXPECT_EQ(FakeScreen::alive[2]->covers.id, 3u);
    EXPECT_EQ(desktop.sizeless, 0);
    expectPacedBy(1, 1.0 / 50);
    EXPECT_TRUE(screens->followDesktop(now));
    EXPECT_EQ(FakeScreen::alive.size(), 3u);
    EXPECT_EQ(refits(), std::vector<int>({0, 0, 0}));
}

// On Wine a monitor switched off left of the others shifts them on the X screen while their
// Windows coordinates stay: every screen is placed again on any change, and only then.
TEST_F(ScreensTest, EveryScreenIsPlacedAgainWhenTheMonitorsChange) {
    desktop.shown[0] = monitor(1, 1024, 800, 600, 72);
    desktop.shown[1] = monitor(2, 0, 1024, 768, 75);
    EXPECT_TRUE(screens->followDesktop(now));
    EXPECT_EQ(FakeScreen::on(1)->covers.x, 1024);
    EXPECT_EQ(FakeScreen::on(1)->drawingSize().width, 800);
    EXPECT_EQ(FakeScreen::on(2)->covers.x, 0);
    EXPECT_EQ(refits(), std::vector<int>({1, 1, 1}));
    EXPECT_TRUE(screens->followDesktop(now + 1.0));
    EXPECT_EQ(refits(), std::vector<int>({1, 1, 1}));
    // A disconnect the desktop reported and a move found in the same pass are both acted on.
    FakeScreen::on(3)->lost = true;
    desktop.shown.erase(desktop.shown.begin() + 2);
    desktop.shown[1].x = 5;
    EXPECT_TRUE(screens->followDesktop(now + 2.0));
    EXPECT_EQ(FakeScreen::on(2)->covers.x, 5);
    EXPECT_EQ(refits(), std::vector<int>({2, 2}));
    expectPacedBy(1, 1.0 / 72);
}

TEST_F(ScreensTest, ANewMonitorIsCoveredAndTheDesktopIsReadAtMostOnceASecond) {
    EXPECT_TRUE(screens->followDesktop(now));
    int looks = desktop.looks;
    desktop.shown.push_back(monitor(5, 3744, 640, 480));
    desktop.shown[3] = monitor(4, 3104, 640, 480);
    EXPECT_TRUE(screens->followDesktop(now + 0.5));
    EXPECT_EQ(desktop.looks, looks);
    EXPECT_EQ(FakeScreen::on(5), nullptr);
    EXPECT_TRUE(screens->followDesktop(now + 1.0));
    ASSERT_NE(FakeScreen::on(5), nullptr);
    // The monitor whose mode could not be read at the start is covered once it can.
    ASSERT_NE(FakeScreen::on(4), nullptr);
    EXPECT_EQ(FakeScreen::alive.size(), 5u);
    EXPECT_EQ(desktop.sizeless, 0);
    expectPacedBy(1, 1.0 / 50);
    // A monitor no screen could be opened on is not tried again every second, but once it moves
    // or changes its mode.
    desktop.shown.push_back(monitor(6, 4384, 640, 480));
    desktop.refusing = 6;
    EXPECT_TRUE(screens->followDesktop(now + 2.0));
    desktop.refusing = 0;
    EXPECT_TRUE(screens->followDesktop(now + 3.0));
    EXPECT_EQ(FakeScreen::on(6), nullptr);
    desktop.shown.back().width = 800;
    EXPECT_TRUE(screens->followDesktop(now + 4.0));
    EXPECT_NE(FakeScreen::on(6), nullptr);
}

// The screens keep their order: the next monitor's screen paces, at its own display's rate, or
// at 60 Hz where that rate cannot be right.
TEST_F(ScreensTest, AGoneMonitorTakesItsScreenAndTheNextOnePacesUntilNoneIsLeft) {
    EXPECT_TRUE(screens->followDesktop(now));
    // A disconnect the desktop reported counts at once, before the next look.
    FakeScreen::on(1)->lost = true;
    desktop.shown.erase(desktop.shown.begin());
    EXPECT_TRUE(screens->followDesktop(now + 0.1));
    ASSERT_EQ(FakeScreen::alive.size(), 2u);
    expectPacedBy(2, 1.0 / 75);
    // A monitor that is simply no longer listed goes at the next look.
    desktop.shown.erase(desktop.shown.begin());
    EXPECT_TRUE(screens->followDesktop(now + 1.1));
    ASSERT_EQ(FakeScreen::alive.size(), 1u);
    expectPacedBy(3, 1.0 / 60);
    desktop.shown.clear();
    EXPECT_TRUE(screens->followDesktop(now + 1.5));
    EXPECT_FALSE(screens->followDesktop(now + 2.1));
    EXPECT_TRUE(FakeScreen::alive.empty());
    EXPECT_TRUE(screens->empty());
}

TEST_F(ScreensTest, NoFrameIsDrawnThatNobodyWouldSee) {
    EXPECT_TRUE(screens->showing(now));
    // Displays switched off are noticed within a second, and the system is asked no more often.
    desktop.on = false;
    EXPECT_TRUE(screens->showing(now + 0.5));
    EXPECT_FALSE(screens->showing(now + 1.0));
    desktop.on = true;
    EXPECT_FALSE(screens->showing(now + 1.9));
    EXPECT_EQ(desktop.powerLooks, 2);
    EXPECT_TRUE(screens->showing(now + 2.0));
    // A screen its display does not show gets no frame; while any other is shown, frames go on.
    for (FakeScreen* screen : FakeScreen::alive) {
        EXPECT_TRUE(screens->showing(now + 2.1));
        screen->wants = false;
    }
    EXPECT_FALSE(screens->showing(now + 2.2));
}

} // namespace
