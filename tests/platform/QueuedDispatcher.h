#pragma once
// A main-thread side of Synchronize that a test thread services by hand, in
// place of the window's event loop.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>

#include "platform/process/Thread.h"

namespace pellintest {

class QueuedDispatcher : public platform::MainThreadDispatcher {
public:
    void RunAndWait(const std::function<void()>& call) override {
        std::promise<void> done;
        {
            std::lock_guard lock(mutex_);
            queue_.push_back([&] {
                call();
                done.set_value();
            });
        }
        queued_.notify_one();
        done.get_future().wait();
    }
    // Runs one queued call on the calling thread; false when none came in time.
    bool ServeOne(std::chrono::milliseconds timeout) {
        std::unique_lock lock(mutex_);
        if (!queued_.wait_for(lock, timeout, [&] { return !queue_.empty(); })) return false;
        auto call = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        call();
        return true;
    }

private:
    std::mutex mutex_;
    std::condition_variable queued_;
    std::deque<std::function<void()>> queue_;
};

// Installs a dispatcher for one test, from the thread that will serve it.
struct DispatcherGuard {
    explicit DispatcherGuard(platform::MainThreadDispatcher* d) {
        platform::SetMainThreadDispatcher(d);
    }
    ~DispatcherGuard() { platform::SetMainThreadDispatcher(nullptr); }
};

}  // namespace pellintest
