#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace platform {

// The desktop session's idle time and what holds it back, as the idle watcher sees them. Every
// call but waitForIdle and pause answers at once.
class IdleSession {
  public:
    virtual ~IdleSession() = default;

    // Blocks until the session has been idle for the time it watches for since the user's last
    // input. False once the session or its idle monitor has gone.
    virtual bool waitForIdle() = 0;

    // Blocks for this long. False once the session or its idle monitor has gone.
    virtual bool pause(std::chrono::milliseconds time) = 0;

    // How long the user has not touched any input device; zero where the session cannot say.
    virtual std::chrono::milliseconds idleTime() = 0;

    // Whether a program such as a video player keeps the session from going idle; false where
    // nothing manages inhibitors.
    virtual bool idleInhibited() = 0;

    // Drops every idle period seen so far, such as those that passed while the saver ran.
    virtual void forgetIdleSoFar() = 0;
};

// The session of GNOME's compositor, through its idle monitor on the session bus, watching for
// this much idle time. Null, with the reason in one line in `why`, where there is no session bus
// or no idle monitor on it.
std::unique_ptr<IdleSession> openGnomeIdleSession(std::chrono::milliseconds idle, std::string& why);

} // namespace platform
