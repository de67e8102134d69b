// The time bound of blocking office calls: the expiry runs once, only for a
// call that overruns, and a call made inside a call keeps the outer limit.
// Charged in the office's processor time, a slow call on a loaded machine
// runs on and a hung one ends at the wall ceiling. The watchdog's clock and
// its processor meter are moved by hand, so no test races a real limit.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

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

// Processor time that stands still until the test adds to it; counts the
// watchdog's readings so the test knows it has looked.
class HandMeter : public platform::CpuMeter {
public:
    std::optional<std::chrono::milliseconds> used() const override {
        ++readings_;
        if (!readable_) return std::nullopt;
        return std::chrono::milliseconds(used_.load());
    }
    void add(std::chrono::milliseconds by) { used_ += by.count(); }
    void makeUnreadable() { readable_ = false; }
    // Waits until the watchdog has read the meter `more` times from now.
    bool waitForReadings(int more) const {
        const int wanted = readings_.load() + more;
        for (int i = 0; i < 30000 && readings_.load() < wanted; ++i)
            std::this_thread::sleep_for(1ms);
        return readings_.load() >= wanted;
    }

private:
    mutable std::atomic<int> readings_{0};
    std::atomic<long long> used_{0};
    std::atomic<bool> readable_{true};
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

TEST(CallWatchdog, ChargedInProcessorTimeASlowCallRunsOnAndAHungOneEndsAtTheCeiling) {
    // Whether the office works a little (a loaded machine) or not at all (a
    // deadlock), only four times the limit on the wall ends the call.
    for (const auto work : {5000ms, 0ms}) {
        SCOPED_TRACE(work.count());
        HandClock clock;
        Expiries expiries;
        CallWatchdog watchdog([&] { expiries(); }, clock);
        auto meter = std::make_shared<HandMeter>();
        watchdog.chargeProcessorTime(meter, 4);
        ArmedCall call(watchdog, 10s);
        clock.advance(1s);
        ASSERT_TRUE(meter->waitForReadings(2));
        meter->add(work);
        clock.advance(38999ms);
        ASSERT_TRUE(meter->waitForReadings(2));
        EXPECT_EQ(0, expiries.seen());
        clock.advance(1ms);
        ASSERT_TRUE(expiries.waitFor(1));
        EXPECT_EQ(10s, watchdog.expiredLimit());
        EXPECT_EQ("within 40.0 s while using less than 10.0 s of processor time",
                  watchdog.expiryText());
    }
}

TEST(CallWatchdog, ChargedInProcessorTimeAWorkingCallEndsAtItsLimit) {
    HandClock clock;
    Expiries expiries;
    CallWatchdog watchdog([&] { expiries(); }, clock);
    auto meter = std::make_shared<HandMeter>();
    meter->add(2h);  // what the office used before the call
    watchdog.chargeProcessorTime(meter, 4);
    ArmedCall call(watchdog, 10s);
    clock.advance(CallWatchdog::kMeterInterval);
    ASSERT_TRUE(meter->waitForReadings(2));
    meter->add(9999ms);
    clock.advance(2s);  // a loop on an idle machine: the wall keeps pace
    ASSERT_TRUE(meter->waitForReadings(2));
    EXPECT_EQ(0, expiries.seen());
    meter->add(1ms);
    ASSERT_TRUE(expiries.waitFor(1));
    EXPECT_EQ("within 10.0 s of processor time", watchdog.expiryText());
}

TEST(CallWatchdog, AMeterThatCannotBeReadLeavesTheWallLimit) {
    HandClock clock;
    Expiries expiries;
    CallWatchdog watchdog([&] { expiries(); }, clock);
    auto meter = std::make_shared<HandMeter>();
    meter->makeUnreadable();
    watchdog.chargeProcessorTime(meter, 4);
    ArmedCall call(watchdog, 10s);
    clock.advance(9999ms);
    ASSERT_TRUE(meter->waitForReadings(2));
    EXPECT_EQ(0, expiries.seen());
    clock.advance(1ms);
    ASSERT_TRUE(expiries.waitFor(1));
    EXPECT_EQ("within 10.0 s", watchdog.expiryText());
}

}  // namespace
