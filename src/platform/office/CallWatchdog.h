#pragma once
// A time bound for blocking calls into the office. A call is armed with a
// limit; when it overruns, the watchdog runs its expiry action (which kills
// the office, so the blocked call returns with an exception) and remembers
// that the limit was hit. It reads the time from a clock that tests may
// move by hand.
//
// Given a meter of the office's processor time, a limit counts the work the
// office does rather than the time on the wall, so a machine loaded by other
// programs does not stop an office that is merely slow. The wall clock still
// ends a call at a multiple of its limit: an office that hangs without
// working (a deadlock, a dialog nobody sees) uses no processor time.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/process/ProcessCpuTime.h"

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
    // How often the processor time of a running call is read: the first
    // reading is taken this long after the call starts (most calls are over
    // by then and cost no reading), so a call's first moments go uncounted.
    static constexpr std::chrono::milliseconds kMeterInterval{250};

    explicit CallWatchdog(std::function<void()> onExpiry,
                          WatchdogClock& clock = SteadyWatchdogClock());
    ~CallWatchdog();
    CallWatchdog(const CallWatchdog&) = delete;
    CallWatchdog& operator=(const CallWatchdog&) = delete;

    // From now on a call's limit is processor time read from `meter`; the
    // wall clock ends it at `wallCeiling` times its limit. While the meter
    // cannot be read, the limit is wall time again.
    void chargeProcessorTime(std::shared_ptr<const platform::CpuMeter> meter, int wallCeiling = 4);

    struct Armed {
        WatchdogClock::TimePoint start;
        std::chrono::milliseconds limit;
        // The processor time read at the call's first reading.
        std::optional<std::chrono::milliseconds> processorBase;
        bool operator==(const Armed&) const = default;
    };
    using Deadline = std::optional<Armed>;

    // Returns the deadline it replaces, for a call made inside another call.
    Deadline arm(std::chrono::milliseconds limit);
    void restore(Deadline previous);
    bool expired() const;
    // The limit of the call that ran out, once one has.
    std::chrono::milliseconds expiredLimit() const;
    // What ran out, for a message after "did not finish ... ": "within
    // 1 min 00 s of processor time", or the wall time when that ended it.
    std::string expiryText() const;

private:
    enum class Measure { wall, processor, wallCeiling };

    void run();
    // The reason `armed` has overrun at `now`, if it has; reads the meter
    // with the lock released when a reading is due.
    std::optional<Measure> overrun(std::unique_lock<std::mutex>& lock, const Armed& armed,
                                   WatchdogClock::TimePoint now);
    WatchdogClock::TimePoint nextLook(const Armed& armed, WatchdogClock::TimePoint now) const;

    std::function<void()> onExpiry_;
    WatchdogClock& clock_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    Deadline deadline_;
    std::shared_ptr<const platform::CpuMeter> meter_;
    int wallCeiling_ = 4;
    std::chrono::milliseconds expiredLimit_{0};
    Measure expiredBy_ = Measure::wall;
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
