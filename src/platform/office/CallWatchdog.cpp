#include "platform/office/CallWatchdog.h"

#include <algorithm>

#include "platform/text/DurationText.h"

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

void CallWatchdog::chargeProcessorTime(std::shared_ptr<const platform::CpuMeter> meter,
                                       int wallCeiling) {
    {
        std::lock_guard lock(mutex_);
        meter_ = std::move(meter);
        wallCeiling_ = std::max(1, wallCeiling);
    }
    wake_.notify_all();
}

CallWatchdog::Deadline CallWatchdog::arm(std::chrono::milliseconds limit) {
    Deadline previous;
    {
        std::lock_guard lock(mutex_);
        previous = deadline_;
        deadline_ = Armed{clock_.now(), limit, std::nullopt};
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

std::string CallWatchdog::expiryText() const {
    std::lock_guard lock(mutex_);
    const std::string limit = DurationText(expiredLimit_);
    switch (expiredBy_) {
        case Measure::processor:
            return "within " + limit + " of processor time";
        case Measure::wallCeiling:
            return "within " + DurationText(expiredLimit_ * wallCeiling_) +
                   " while using less than " + limit + " of processor time";
        case Measure::wall:
            break;
    }
    return "within " + limit;
}

std::optional<CallWatchdog::Measure> CallWatchdog::overrun(std::unique_lock<std::mutex>& lock,
                                                           const Armed& armed,
                                                           WatchdogClock::TimePoint now) {
    const bool pastLimit = now >= armed.start + armed.limit;
    if (!meter_) return pastLimit ? std::optional(Measure::wall) : std::nullopt;
    if (now >= armed.start + armed.limit * wallCeiling_) return Measure::wallCeiling;
    if (now < armed.start + kMeterInterval) return std::nullopt;
    // /proc is read without the lock, so arming the next call never waits
    // for it; a call that ended or changed meanwhile is looked at again.
    const auto meter = meter_;
    lock.unlock();
    const auto used = meter->used();
    lock.lock();
    if (stopping_ || deadline_ != armed) return std::nullopt;
    if (!used) return pastLimit ? std::optional(Measure::wall) : std::nullopt;
    if (!armed.processorBase) {
        deadline_->processorBase = used;
        return std::nullopt;
    }
    if (*used - *armed.processorBase >= armed.limit) return Measure::processor;
    return std::nullopt;
}

WatchdogClock::TimePoint CallWatchdog::nextLook(const Armed& armed,
                                                WatchdogClock::TimePoint now) const {
    if (!meter_) return armed.start + armed.limit;
    const auto firstReading = armed.start + kMeterInterval;
    const auto reading = now < firstReading ? firstReading : now + kMeterInterval;
    return std::min(reading, armed.start + armed.limit * wallCeiling_);
}

void CallWatchdog::run() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (!deadline_) {
            wake_.wait(lock);
            continue;
        }
        const Armed armed = *deadline_;
        const auto now = clock_.now();
        const auto measure = overrun(lock, armed, now);
        if (stopping_ || !deadline_) continue;
        if (!measure) {
            // Woken by a new deadline, a stop, or the time: looked at again.
            clock_.waitUntil(wake_, lock, nextLook(*deadline_, now));
            continue;
        }
        expired_ = true;
        expiredLimit_ = armed.limit;
        expiredBy_ = *measure;
        deadline_.reset();
        lock.unlock();
        onExpiry_();
        lock.lock();
    }
}

}  // namespace platform::office
