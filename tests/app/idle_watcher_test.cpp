#include "app/idle_watcher.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

using std::chrono::milliseconds;

constexpr milliseconds kDelay{3000};

// A session that answers from a script and writes down what the watcher asked of it.
class ScriptedSession : public platform::IdleSession {
  public:
    int idlePeriods = 0;
    std::deque<bool> inhibited;
    std::deque<milliseconds> idleTimes;
    bool goneDuringPause = false;
    std::vector<std::string> log;

    bool waitForIdle() override {
        log.push_back("idle");
        return idlePeriods-- > 0;
    }
    bool pause(milliseconds time) override {
        log.push_back("pause " + std::to_string(time.count()));
        return !goneDuringPause;
    }
    milliseconds idleTime() override { return next(idleTimes, milliseconds(0)); }
    bool idleInhibited() override { return next(inhibited, false); }
    void forgetIdleSoFar() override { log.push_back("forget"); }

  private:
    template <typename T> static T next(std::deque<T>& answers, T otherwise) {
        if (answers.empty()) {
            return otherwise;
        }
        const T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

std::vector<std::string> watch(ScriptedSession& session) {
    watchIdle(session, kDelay, [&session] {
        session.log.push_back("saver");
        return std::string();
    });
    return session.log;
}

using Log = std::vector<std::string>;

TEST(IdleWatcher, EachIdlePeriodRunsOneSaverAndForgetsWhatPassedMeanwhile) {
    ScriptedSession session;
    session.idlePeriods = 2;
    EXPECT_EQ(watch(session), (Log{"idle", "saver", "forget", "idle", "saver", "forget", "idle"}));
}

TEST(IdleWatcher, AnInhibitorIsWaitedOutOnlyWhileTheUserStaysAway) {
    ScriptedSession away;
    away.idlePeriods = 1;
    away.inhibited = {true, true, false};
    away.idleTimes = {milliseconds(8000), milliseconds(13000)};
    EXPECT_EQ(watch(away), (Log{"idle", "pause 5000", "pause 5000", "saver", "forget", "idle"}));

    ScriptedSession back;
    back.idlePeriods = 1;
    back.inhibited = {true, true};
    back.idleTimes = {milliseconds(8000), kDelay - milliseconds(1)};
    EXPECT_EQ(watch(back), (Log{"idle", "pause 5000", "pause 5000", "forget", "idle"}));

    ScriptedSession gone;
    gone.idlePeriods = 1;
    gone.inhibited = {true, false};
    gone.idleTimes = {milliseconds(8000)};
    gone.goneDuringPause = true;
    EXPECT_EQ(watch(gone), (Log{"idle", "pause 5000", "forget", "idle"}));
}

} // namespace
