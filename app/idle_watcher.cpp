#include "app/idle_watcher.h"

#include "platform/message_box.h"
#include "platform/posix/own_process.h"

namespace {

void say(const std::string& line) {
    platform::showMessageBox(line.c_str(), "Debug", platform::MessageIcon::Information);
}

// A video player may hold idle off for a film's length: the saver waits for it as long as the
// user stays away, and does not come at all once the user is back.
bool idleOnceNothingInhibits(platform::IdleSession& session, std::chrono::milliseconds delay) {
    while (session.idleInhibited()) {
        if (!session.pause(kInhibitedRecheck) || session.idleTime() < delay) {
            return false;
        }
    }
    return true;
}

} // namespace

void watchIdle(platform::IdleSession& session, std::chrono::milliseconds delay,
               const std::function<std::string()>& runSaver) {
    while (session.waitForIdle()) {
        if (idleOnceNothingInhibits(session, delay)) {
            const std::string failure = runSaver();
            if (!failure.empty()) {
                say(failure);
            }
        }
        // Idle periods that passed while the saver ran, or before the user came back, are over.
        session.forgetIdleSoFar();
    }
}

int runIdleWatcher(const IdleSwitch& idle) {
    if (!idle.error.empty()) {
        say(idle.error);
        return 0;
    }
    const std::chrono::milliseconds delay = std::chrono::seconds(idle.seconds);
    std::string why;
    const auto session = platform::openGnomeIdleSession(delay, why);
    if (!session) {
        say(why);
        return 0;
    }
    watchIdle(*session, delay, [] { return platform::runOwnExecutable("/s"); });
    return 0;
}
