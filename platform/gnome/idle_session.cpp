#include "platform/idle_session.h"

#include <systemd/sd-bus.h>

#include <cerrno>
#include <cstdint>
#include <ctime>

namespace platform {

namespace {

const char kMonitorName[] = "org.gnome.Mutter.IdleMonitor";
const char kMonitorPath[] = "/org/gnome/Mutter/IdleMonitor/Core";
const char kMonitorInterface[] = "org.gnome.Mutter.IdleMonitor";
// The session manager's inhibit flag for idleness, which it also sets for the
// org.freedesktop.ScreenSaver inhibitors of other toolkits.
const std::uint32_t kInhibitIdle = 8;

std::uint64_t nowMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000000u +
           static_cast<std::uint64_t>(now.tv_nsec) / 1000u;
}

// GNOME's compositor counts the idle time from the last input it saw itself and fires a watch
// once per idle period; the session manager keeps the inhibitors.
class GnomeIdleSession final : public IdleSession {
  public:
    ~GnomeIdleSession() override {
        sd_bus_slot_unref(ownerSlot_);
        sd_bus_slot_unref(firedSlot_);
        sd_bus_flush_close_unref(bus_);
    }

    // Connects and adds the idle watch; the reason in `why` where either fails.
    bool open(std::chrono::milliseconds idle, std::string& why) {
        // The signals are matched before the watch exists, so that none can be missed.
        const std::string ownerRule = std::string("type='signal',sender='org.freedesktop.DBus',"
                                                  "member='NameOwnerChanged',arg0='") +
                                      kMonitorName + "'";
        if (sd_bus_open_user(&bus_) < 0 ||
            sd_bus_match_signal(bus_, &firedSlot_, nullptr, kMonitorPath, kMonitorInterface,
                                "WatchFired", onWatchFired, this) < 0 ||
            sd_bus_add_match(bus_, &ownerSlot_, ownerRule.c_str(), onOwnerChanged, this) < 0) {
            why = "No session bus to watch the session's idle time on";
            return false;
        }
        sd_bus_message* reply = nullptr;
        int added =
            sd_bus_call_method(bus_, kMonitorName, kMonitorPath, kMonitorInterface, "AddIdleWatch",
                               nullptr, &reply, "t", static_cast<std::uint64_t>(idle.count()));
        if (added >= 0) {
            added = sd_bus_message_read(reply, "u", &watch_);
        }
        sd_bus_message_unref(reply);
        if (added < 0) {
            why = std::string("No idle monitor on the session bus (") + kMonitorName +
                  "): --on-idle needs a GNOME session";
            return false;
        }
        return true;
    }

    bool waitForIdle() override {
        pumpUntil(UINT64_MAX, true);
        fired_ = false;
        return !gone_;
    }

    bool pause(std::chrono::milliseconds time) override {
        const auto microseconds = std::chrono::duration_cast<std::chrono::microseconds>(time);
        pumpUntil(nowMicroseconds() + static_cast<std::uint64_t>(microseconds.count()), false);
        return !gone_;
    }

    std::chrono::milliseconds idleTime() override {
        std::uint64_t milliseconds = 0;
        sd_bus_message* reply = nullptr;
        if (sd_bus_call_method(bus_, kMonitorName, kMonitorPath, kMonitorInterface, "GetIdletime",
                               nullptr, &reply, "") >= 0) {
            sd_bus_message_read(reply, "t", &milliseconds);
        }
        sd_bus_message_unref(reply);
        return std::chrono::milliseconds(milliseconds);
    }

    bool idleInhibited() override {
        int inhibited = 0;
        sd_bus_message* reply = nullptr;
        if (sd_bus_call_method(bus_, "org.gnome.SessionManager", "/org/gnome/SessionManager",
                               "org.gnome.SessionManager", "IsInhibited", nullptr, &reply, "u",
                               kInhibitIdle) >= 0) {
            sd_bus_message_read(reply, "b", &inhibited);
        }
        sd_bus_message_unref(reply);
        return inhibited != 0;
    }

    void forgetIdleSoFar() override {
        while (!gone_ && process() > 0) {
        }
        fired_ = false;
    }

  private:
    static int onWatchFired(sd_bus_message* message, void* self, sd_bus_error*) {
        auto* session = static_cast<GnomeIdleSession*>(self);
        std::uint32_t watch = 0;
        if (sd_bus_message_read(message, "u", &watch) >= 0 && watch == session->watch_) {
            session->fired_ = true;
        }
        return 0;
    }

    // The compositor's watches end with it: a session whose compositor has left is over.
    static int onOwnerChanged(sd_bus_message* message, void* self, sd_bus_error*) {
        const char* name = nullptr;
        const char* oldOwner = nullptr;
        const char* newOwner = nullptr;
        if (sd_bus_message_read(message, "sss", &name, &oldOwner, &newOwner) >= 0 &&
            *newOwner == '\0') {
            static_cast<GnomeIdleSession*>(self)->gone_ = true;
        }
        return 0;
    }

    // Handles one incoming message; a lost connection ends the session.
    int process() {
        const int processed = sd_bus_process(bus_, nullptr);
        if (processed < 0) {
            gone_ = true;
        }
        return processed;
    }

    // Handles messages until the session goes or the deadline passes, or the watch fires when
    // that is awaited.
    void pumpUntil(std::uint64_t deadline, bool untilFired) {
        while (!(untilFired && fired_) && !gone_) {
            if (process() != 0) {
                continue;
            }
            const std::uint64_t now = nowMicroseconds();
            if (now >= deadline) {
                return;
            }
            const int waited =
                sd_bus_wait(bus_, deadline == UINT64_MAX ? UINT64_MAX : deadline - now);
            if (waited < 0 && waited != -EINTR) {
                gone_ = true;
            }
        }
    }

    sd_bus* bus_ = nullptr;
    sd_bus_slot* firedSlot_ = nullptr;
    sd_bus_slot* ownerSlot_ = nullptr;
    std::uint32_t watch_ = 0;
    bool fired_ = false;
    bool gone_ = false;
};

} // namespace

std::unique_ptr<IdleSession> openGnomeIdleSession(std::chrono::milliseconds idle,
                                                  std::string& why) {
    auto session = std::make_unique<GnomeIdleSession>();
    if (!session->open(idle, why)) {
        return nullptr;
    }
    return session;
}

} // namespace platform
