#pragma once
// The process-wide stop request. SIGTERM and SIGINT (once InstallStopSignals
// has run) or any code may ask the whole process to stop; work in flight
// subscribes a callback that cuts it short: the runner stops its converters,
// the decompiler wait kills its child, the office kills its office process
// so a blocked call returns.
//
// Subscribing:
//
//     platform::StopSubscription onStop([this] { KillChild(); });
//
// keeps the callback subscribed for the lifetime of the object. The callback
// runs once, on the thread that requested the stop (for a signal, the
// signal-watching thread), or at once on the subscribing thread when a stop
// was requested before. It must be quick and thread-safe: kill, close,
// notify; never wait for the work it stops. Destroying the subscription
// unsubscribes; if the callback is running on another thread just then, the
// destructor waits for it, so whatever the callback touches may be freed
// right after. Hence never hold, while a subscription ends, a lock that the
// callback takes. A callback must not subscribe or unsubscribe.

#include <cstdint>
#include <functional>

namespace platform {

// Asks the process to stop. The first call runs every subscribed callback,
// in subscription order, on the calling thread; later calls do nothing.
// Safe from any thread, but not from a signal handler.
void RequestStop();
bool StopRequested();
// The signal that asked for the stop, or 0 (no stop, or one asked by code).
int StopSignal();

class StopSubscription {
public:
    StopSubscription() = default;
    explicit StopSubscription(std::function<void()> onStop);
    ~StopSubscription();
    StopSubscription(StopSubscription&& other) noexcept;
    StopSubscription& operator=(StopSubscription&& other) noexcept;
    StopSubscription(const StopSubscription&) = delete;
    StopSubscription& operator=(const StopSubscription&) = delete;

    // Unsubscribes now (as the destructor does).
    void Reset();

private:
    std::uint64_t id_ = 0;
};

// From now on SIGTERM and SIGINT request a stop. The handler only writes the
// signal's number to a pipe, which a thread of its own reads and turns into
// RequestStop. A second such signal ends the process at once with the
// signal's default action. Call once, early, on the main thread.
void InstallStopSignals();

// Forgets an earlier request, so a test can request again. Subscriptions
// stay.
void ClearStopRequest();

}  // namespace platform
