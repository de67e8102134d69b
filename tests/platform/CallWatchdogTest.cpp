// The time bound of blocking office calls: the expiry runs once, only for a
// call that overruns, and a call made inside a call keeps the outer limit.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/office/CallWatchdog.h"

using namespace std::chrono_literals;

namespace {

TEST(CallWatchdog, RunsTheExpiryOnlyForAnOverrunningCall) {
    std::atomic<int> expiries{0};
    platform::office::CallWatchdog watchdog([&] { ++expiries; });
    { platform::office::ArmedCall call(watchdog, 2000ms); }
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(0, expiries);
    EXPECT_FALSE(watchdog.expired());
    {
        platform::office::ArmedCall call(watchdog, 20ms);
        std::this_thread::sleep_for(200ms);
    }
    EXPECT_EQ(1, expiries);
    EXPECT_TRUE(watchdog.expired());
}

TEST(CallWatchdog, ACallInsideACallKeepsTheOuterLimit) {
    std::atomic<int> expiries{0};
    platform::office::CallWatchdog watchdog([&] { ++expiries; });
    {
        platform::office::ArmedCall outer(watchdog, 100ms);
        { platform::office::ArmedCall inner(watchdog, 5000ms); }
        std::this_thread::sleep_for(400ms);
    }
    EXPECT_EQ(1, expiries) << "the outer call overran after the inner one returned";
}

}  // namespace
