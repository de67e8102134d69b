#pragma once
// A time bound for blocking calls into the office. A call is armed with a
// limit; when it overruns, the watchdog runs its expiry action (which kills
// the office, so the blocked call returns with an exception) and remembers
// that the limit was hit. It reads the time from a clock that tests may
// move by hand.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace platform::office {

// The watchdog's time and its wait for a deadline.
class WatchdogClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    virtual ~WatchdogClock() = default;
    virtual TimePoint now() const = 0;
    // Blocks on `wake` (releasing `lock`) until it is notified or, at the
    // latest, until `deadline`; may return early.
    virtual void waitUntil(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
                           TimePoint deadline) = 0;
};

// The steady clock of the process.
WatchdogClock& SteadyWatchdogClock();

class CallWatchdog {
public:
    explicit CallWatchdog(std::function<void()> onExpiry,
                          WatchdogClock& clock = SteadyWatchdogClock());
    ~CallWatchdog();
    CallWatchdog(const CallWatchdog&) = delete;
    CallWatchdog& operator=(const CallWatchdog&) = delete;

    struct Armed {
        std::chrono::steady_clock::time_point deadline;
        std::chrono::milliseconds limit;
        bool operator==(const Armed&) const = default;
    };
    using Deadline = std::optional<Armed>;

    // Returns the deadline it replaces, for a call made inside another call.
    Deadline arm(std::chrono::milliseconds limit);
    void restore(Deadline previous);
    bool expired() const;
    // The limit of the call that ran out, once one has.
    std::chrono::milliseconds expiredLimit() const;

private:
    void run();

    std::function<void()> onExpiry_;
    WatchdogClock& clock_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    Deadline deadline_;
    std::chrono::milliseconds expiredLimit_{0};
    bool expired_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

// Arms a watchdog for one scope.
class ArmedCall {
public:
    ArmedCall(CallWatchdog& watchdog, std::chrono::milliseconds limit)
        : watchdog_(watchdog), outer_(watchdog.arm(limit)) {}
    ~ArmedCall() { watchdog_.restore(outer_); }
    ArmedCall(const ArmedCall&) = delete;
    ArmedCall& operator=(const ArmedCall&) = delete;

private:
    CallWatchdog& watchdog_;
    CallWatchdog::Deadline outer_;
};

}  // namespace platform::office
