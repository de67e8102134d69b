// The time bound of blocking office calls: the expiry runs once, only for a
// call that overruns, and a call made inside a call keeps the outer limit.
// The watchdog's clock is moved by hand, so no test races a real limit.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "platform/office/CallWatchdog.h"

using namespace std::chrono_literals;
using platform::office::ArmedCall;
using platform::office::CallWatchdog;

namespace {

// A clock that stands still until the test moves it. Its wait gives the
// watchdog a look at the moved time every millisecond of real time.
class HandClock : public platform::office::WatchdogClock {
public:
    TimePoint now() const override { return now_.load(); }
    void waitUntil(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
                   TimePoint) override {
        wake.wait_for(lock, 1ms);
    }
    void advance(std::chrono::milliseconds by) { now_.store(now_.load() + by); }

private:
    std::atomic<TimePoint> now_{TimePoint{}};
};

// Counts expiries and lets the test wait for one.
struct Expiries {
    std::mutex mutex;
    std::condition_variable changed;
    int count = 0;
    void operator()() {
        std::lock_guard lock(mutex);
        ++count;
        changed.notify_all();
    }
    bool waitFor(int wanted) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 30s, [&] { return count >= wanted; });
    }
    int seen() {
        std::lock_guard lock(mutex);
        return count;
    }
};

TEST(CallWatchdog, RunsTheExpiryOnlyForAnOverrunningCall) {
    HandClock clock;
    Expiries expiries;
    CallWatchdog watchdog([&] { expiries(); }, clock);
    {
        ArmedCall call(watchdog, 2000ms);
        clock.advance(1999ms);
    }
    clock.advance(1h);  // nothing is armed any more
    EXPECT_EQ(0, expiries.seen());
    EXPECT_FALSE(watchdog.expired());
    {
        ArmedCall call(watchdog, 20ms);
        clock.advance(20ms);
        ASSERT_TRUE(expiries.waitFor(1));
    }
    EXPECT_EQ(1, expiries.seen());
    EXPECT_TRUE(watchdog.expired());
    EXPECT_EQ(20ms, watchdog.expiredLimit());
}

TEST(CallWatchdog, ACallInsideACallKeepsTheOuterLimit) {
    HandClock clock;
    Expiries expiries;
    CallWatchdog watchdog([&] { expiries(); }, clock);
    {
        ArmedCall outer(watchdog, 100ms);
        { ArmedCall inner(watchdog, 5000ms); }
        clock.advance(99ms);
        EXPECT_EQ(0, expiries.seen());
        clock.advance(1ms);
        ASSERT_TRUE(expiries.waitFor(1)) << "the outer call overran after the inner one returned";
    }
    EXPECT_EQ(100ms, watchdog.expiredLimit());
}

}  // namespace
