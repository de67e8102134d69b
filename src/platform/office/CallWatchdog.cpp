#include "platform/office/CallWatchdog.h"

namespace platform::office {

namespace {

class SteadyClock : public WatchdogClock {
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
    void waitUntil(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
                   TimePoint deadline) override {
        wake.wait_until(lock, deadline);
    }
};

}  // namespace

WatchdogClock& SteadyWatchdogClock() {
    static SteadyClock clock;
    return clock;
}

CallWatchdog::CallWatchdog(std::function<void()> onExpiry, WatchdogClock& clock)
    : onExpiry_(std::move(onExpiry)), clock_(clock), thread_([this] { run(); }) {}

CallWatchdog::~CallWatchdog() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

CallWatchdog::Deadline CallWatchdog::arm(std::chrono::milliseconds limit) {
    Deadline previous;
    {
        std::lock_guard lock(mutex_);
        previous = deadline_;
        deadline_ = Armed{clock_.now() + limit, limit};
    }
    wake_.notify_all();
    return previous;
}

void CallWatchdog::restore(Deadline previous) {
    {
        std::lock_guard lock(mutex_);
        deadline_ = previous;
    }
    wake_.notify_all();
}

bool CallWatchdog::expired() const {
    std::lock_guard lock(mutex_);
    return expired_;
}

std::chrono::milliseconds CallWatchdog::expiredLimit() const {
    std::lock_guard lock(mutex_);
    return expiredLimit_;
}

void CallWatchdog::run() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (!deadline_) {
            wake_.wait(lock);
            continue;
        }
        const Armed armed = *deadline_;
        if (clock_.now() < armed.deadline) {
            // Woken by a new deadline, a stop, or the time: looked at again.
            clock_.waitUntil(wake_, lock, armed.deadline);
            continue;
        }
        expired_ = true;
        expiredLimit_ = armed.limit;
        deadline_.reset();
        lock.unlock();
        onExpiry_();
        lock.lock();
    }
}

}  // namespace platform::office
