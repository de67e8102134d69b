#include <gtest/gtest.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "platform/process/StopRequest.h"

using namespace std::chrono_literals;
using platform::StopSubscription;

namespace {

class StopRequest : public ::testing::Test {
protected:
    void SetUp() override { platform::ClearStopRequest(); }
    void TearDown() override { platform::ClearStopRequest(); }
};

template <class Condition>
bool WaitUntil(Condition condition) {
    for (int i = 0; i < 1000; ++i) {
        if (condition()) return true;
        std::this_thread::sleep_for(5ms);
    }
    return condition();
}

}  // namespace

TEST_F(StopRequest, EverySubscriberIsToldOnceInOrderAndLateOnesAtOnce) {
    std::vector<int> told;
    StopSubscription first([&] { told.push_back(1); });
    StopSubscription second([&] { told.push_back(2); });
    StopSubscription gone([&] { told.push_back(99); });
    gone.Reset();
    EXPECT_FALSE(platform::StopRequested());

    platform::RequestStop();
    platform::RequestStop();
    EXPECT_TRUE(platform::StopRequested());
    EXPECT_EQ(platform::StopSignal(), 0);
    EXPECT_EQ(told, (std::vector<int>{1, 2}));

    // Work that begins after the request is stopped as it subscribes.
    StopSubscription late([&] { told.push_back(3); });
    EXPECT_EQ(told, (std::vector<int>{1, 2, 3}));
}

TEST_F(StopRequest, ASubscriptionMovesAndAThrowingCallbackStopsNoOther) {
    int told = 0;
    StopSubscription moved;
    {
        StopSubscription original([&] { ++told; });
        moved = std::move(original);
    }  // the moved-from object unsubscribes nothing
    StopSubscription throwing([] { throw std::runtime_error("busy"); });
    StopSubscription after([&] { ++told; });
    platform::RequestStop();
    EXPECT_EQ(told, 2);
}

TEST_F(StopRequest, EndingASubscriptionWaitsForItsRunningCallback) {
    std::promise<void> entered;
    std::atomic<bool> release{false};
    std::atomic<bool> callbackDone{false};
    auto subscription = std::make_unique<StopSubscription>([&] {
        entered.set_value();
        while (!release) std::this_thread::sleep_for(1ms);
        callbackDone = true;
    });
    std::thread requester([] { platform::RequestStop(); });
    entered.get_future().wait();

    auto ended = std::async(std::launch::async, [&] { subscription.reset(); });
    EXPECT_EQ(ended.wait_for(50ms), std::future_status::timeout);
    release = true;
    ended.wait();
    EXPECT_TRUE(callbackDone);  // what the callback touched may be freed now
    requester.join();
}

TEST(StopSignals, TermOrInterruptRequestsAStopAndASecondSignalEndsTheProcess) {
    const int interrupt = platformtest::InChild([] {
        platform::InstallStopSignals();
        ::raise(SIGINT);
        if (!WaitUntil([] { return platform::StopRequested(); })) return 2;
        return platform::StopSignal() == SIGINT ? 0 : 3;
    });
    EXPECT_EQ(interrupt, 0);

    const int outcome = platformtest::InChild([] {
        platform::InstallStopSignals();
        std::atomic<bool> told{false};
        StopSubscription onStop([&] { told = true; });
        ::raise(SIGTERM);
        if (!WaitUntil([&] { return told.load(); })) return 2;
        if (platform::StopSignal() != SIGTERM) return 3;
        ::raise(SIGINT);  // the second one: no clean end any more
        std::this_thread::sleep_for(5s);
        return 4;
    });
    EXPECT_EQ(outcome, 128 + SIGINT);
}
