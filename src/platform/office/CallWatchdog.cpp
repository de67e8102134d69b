#include "platform/office/CallWatchdog.h"

namespace platform::office {

CallWatchdog::CallWatchdog(std::function<void()> onExpiry)
    : onExpiry_(std::move(onExpiry)), thread_([this] { run(); }) {}

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
        deadline_ = Armed{std::chrono::steady_clock::now() + limit, limit};
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
        if (wake_.wait_until(lock, armed.deadline) == std::cv_status::timeout &&
            deadline_ == armed) {
            expired_ = true;
            expiredLimit_ = armed.limit;
            deadline_.reset();
            lock.unlock();
            onExpiry_();
            lock.lock();
        }
    }
}

}  // namespace platform::office
