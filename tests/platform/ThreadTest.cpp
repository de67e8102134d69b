#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <stdexcept>

#include "QueuedDispatcher.h"
#include "platform/process/Thread.h"

namespace {

using namespace std::chrono_literals;

// Runs its body until asked to stop; counts rounds so tests can see it ran.
class LoopingThread : public platform::Thread {
public:
    explicit LoopingThread(bool freeOnTerminate = false, std::promise<void>* destroyed = nullptr)
        : platform::Thread(freeOnTerminate), destroyed_(destroyed) {}
    ~LoopingThread() override {
        if (!FreeOnTerminate()) {
            Terminate();
            WaitFor();
        }
        if (destroyed_) destroyed_->set_value();
    }
    std::atomic<int> rounds{0};
    std::atomic<bool> doTerminateRan{false};

protected:
    void Execute() override {
        while (!Terminated()) {
            ++rounds;
            std::this_thread::sleep_for(1ms);
        }
    }
    void DoTerminate() override { doTerminateRan = true; }

private:
    std::promise<void>* destroyed_;
};

// Ends as soon as it starts and counts its own destruction.
class InstantThread : public platform::Thread {
public:
    explicit InstantThread(std::atomic<int>& destroyed)
        : platform::Thread(true), destroyed_(destroyed) {}
    ~InstantThread() override { ++destroyed_; }

protected:
    void Execute() override {}

private:
    std::atomic<int>& destroyed_;
};

class ThrowingThread : public platform::Thread {
public:
    ThrowingThread() : platform::Thread(false) {}
    ~ThrowingThread() override { WaitFor(); }

protected:
    void Execute() override { throw 42; }
};

class SynchronizingThread : public platform::Thread {
public:
    explicit SynchronizingThread(std::function<void()> call)
        : platform::Thread(false), call_(std::move(call)) {}
    ~SynchronizingThread() override { WaitFor(); }
    std::atomic<bool> rethrown{false};

protected:
    void Execute() override {
        try {
            Synchronize(call_);
        } catch (const std::runtime_error&) {
            rethrown = true;
        }
    }

private:
    std::function<void()> call_;
};

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5s) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

}  // namespace

TEST(ThreadLifecycle, StaysSuspendedUntilStartAndStopsOnlyThroughItsOwnLoop) {
    LoopingThread thread;
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(thread.rounds.load(), 0);
    EXPECT_FALSE(thread.Started());

    thread.Start();
    thread.Start();  // a second start is harmless
    ASSERT_TRUE(WaitUntil([&] { return thread.rounds.load() > 2; }));
    EXPECT_FALSE(thread.Finished());

    thread.Terminate();
    EXPECT_TRUE(thread.Terminated());
    thread.WaitFor();
    EXPECT_TRUE(thread.Finished());
    EXPECT_TRUE(thread.doTerminateRan.load());
}

TEST(ThreadLifecycle, SelfFreeingThreadDeletesItselfWhenItsBodyEndsEvenBeforeStartReturns) {
    std::promise<void> destroyed;
    auto* thread = new LoopingThread(true, &destroyed);
    thread->Start();
    thread->Terminate();
    EXPECT_EQ(destroyed.get_future().wait_for(5s), std::future_status::ready);

    std::atomic<int> instantDestroyed{0};
    constexpr int count = 200;
    for (int i = 0; i < count; ++i) (new InstantThread(instantDestroyed))->Start();
    EXPECT_TRUE(WaitUntil([&] { return instantDestroyed.load() == count; }));
}

TEST(ThreadLifecycle, ExceptionEscapingTheBodyEndsOnlyThatThread) {
    ThrowingThread thread;
    thread.Start();
    thread.WaitFor();
    EXPECT_TRUE(thread.Finished());
}

TEST(ThreadSynchronize, WithoutDispatcherRunsDirectlyInsteadOfHanging) {
    std::atomic<bool> ran{false};
    SynchronizingThread thread([&] { ran = true; });
    thread.Start();
    thread.WaitFor();
    EXPECT_TRUE(ran.load());
}

TEST(ThreadSynchronize, RunsTheCallOnTheMainThreadAndItsExceptionReachesTheCaller) {
    pellintest::QueuedDispatcher dispatcher;
    pellintest::DispatcherGuard guard(&dispatcher);
    std::thread::id ranOn;
    SynchronizingThread thread([&] { ranOn = std::this_thread::get_id(); });
    thread.Start();
    ASSERT_TRUE(dispatcher.ServeOne(5s));
    thread.WaitFor();
    EXPECT_EQ(ranOn, std::this_thread::get_id());

    SynchronizingThread throwing([] { throw std::runtime_error("refused"); });
    throwing.Start();
    ASSERT_TRUE(dispatcher.ServeOne(5s));
    throwing.WaitFor();
    EXPECT_TRUE(throwing.rethrown.load());
}
