#pragma once

#include "app/idle_switch.h"
#include "platform/idle_session.h"

#include <chrono>
#include <functional>
#include <string>

// How often the watcher asks again while something inhibits idle and the user stays away.
constexpr std::chrono::seconds kInhibitedRecheck{5};

// Starts the saver each time the session has been idle for `delay` while nothing inhibits idle,
// and waits for it to end before it watches again, so one watcher never runs two savers. While
// something inhibits idle it asks again every kInhibitedRecheck for as long as the session stays
// idle. runSaver runs the saver to its end and returns "" or one line on how it failed. Returns
// once the session has gone.
void watchIdle(platform::IdleSession& session, std::chrono::milliseconds delay,
               const std::function<std::string()>& runSaver);

// "emberveil --on-idle <seconds>": the watcher on GNOME's session, running this executable's
// full-screen saver. Every failure is one line on standard error; the exit code is always 0.
int runIdleWatcher(const IdleSwitch& idle);
