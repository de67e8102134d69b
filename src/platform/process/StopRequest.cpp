#include "platform/process/StopRequest.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace platform {

namespace {

struct Subscribers {
    std::mutex mutex;
    std::condition_variable idle;
    std::map<std::uint64_t, std::function<void()>> callbacks;  // ids grow: subscription order
    std::uint64_t nextId = 1;
    std::uint64_t running = 0;  // the callback being run, or 0
    std::thread::id runner;
};

// Never freed: a signal may arrive while static objects are destroyed.
Subscribers& Registry() {
    static auto* subscribers = new Subscribers;
    return *subscribers;
}

std::atomic<bool> requested{false};
std::atomic<int> stopSignal{0};

// The signal side: only lock-free atomics and write(2).
std::atomic<int> signalsSeen{0};
std::atomic<int> signalPipeWrite{-1};
static_assert(std::atomic<int>::is_always_lock_free);

void RunCallbacks() {
    Subscribers& subscribers = Registry();
    std::unique_lock lock(subscribers.mutex);
    for (std::uint64_t after = 0;;) {
        const auto next = subscribers.callbacks.upper_bound(after);
        if (next == subscribers.callbacks.end()) break;
        after = next->first;
        const std::function<void()> callback = next->second;
        subscribers.running = after;
        subscribers.runner = std::this_thread::get_id();
        lock.unlock();
        try {
            callback();
        } catch (...) {
            // One failing callback does not keep the others from stopping.
        }
        lock.lock();
        subscribers.running = 0;
        subscribers.idle.notify_all();
    }
}

void OnStopSignal(int signo) {
    const int savedErrno = errno;
    if (signalsSeen.fetch_add(1) > 0) {
        // Asked twice: no more waiting for a clean end.
        // The signal is blocked while its handler runs: raise it with the
        // default action, then unblock it, and it ends the process.
        ::signal(signo, SIG_DFL);
        ::raise(signo);
        sigset_t self;
        sigemptyset(&self);
        sigaddset(&self, signo);
        ::pthread_sigmask(SIG_UNBLOCK, &self, nullptr);
        ::_exit(128 + signo);
    }
    const unsigned char number = static_cast<unsigned char>(signo);
    const int fd = signalPipeWrite.load();
    if (fd >= 0 && ::write(fd, &number, 1) != 1) {
        // The watcher has a byte already, or is gone with the process.
    }
    errno = savedErrno;
}

void WatchSignals(int readEnd) {
    for (;;) {
        unsigned char number = 0;
        const ssize_t got = ::read(readEnd, &number, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got != 1) return;
        stopSignal.store(number);
        RequestStop();
    }
}

}  // namespace

void RequestStop() {
    if (requested.exchange(true)) return;
    RunCallbacks();
}

bool StopRequested() { return requested.load(); }

int StopSignal() { return stopSignal.load(); }

StopSubscription::StopSubscription(std::function<void()> onStop) {
    Subscribers& subscribers = Registry();
    {
        std::lock_guard lock(subscribers.mutex);
        // Read under the mutex: either RunCallbacks will find the entry, or
        // the request came first and the callback runs here instead.
        if (!requested.load()) {
            id_ = subscribers.nextId++;
            subscribers.callbacks.emplace(id_, std::move(onStop));
            return;
        }
    }
    try {
        onStop();
    } catch (...) {
    }
}

StopSubscription::~StopSubscription() { Reset(); }

StopSubscription::StopSubscription(StopSubscription&& other) noexcept : id_(other.id_) {
    other.id_ = 0;
}

StopSubscription& StopSubscription::operator=(StopSubscription&& other) noexcept {
    if (this != &other) {
        Reset();
        id_ = other.id_;
        other.id_ = 0;
    }
    return *this;
}

void StopSubscription::Reset() {
    if (id_ == 0) return;
    Subscribers& subscribers = Registry();
    std::unique_lock lock(subscribers.mutex);
    subscribers.callbacks.erase(id_);
    // A callback that ends its own subscription must not wait for itself.
    subscribers.idle.wait(lock, [&] {
        return subscribers.running != id_ || subscribers.runner == std::this_thread::get_id();
    });
    id_ = 0;
}

void InstallStopSignals() {
    if (signalPipeWrite.load() >= 0) return;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return;
    // A full pipe must never block the handler; one byte is enough anyway.
    ::fcntl(fds[1], F_SETFL, O_NONBLOCK);
    signalPipeWrite.store(fds[1]);
    std::thread(WatchSignals, fds[0]).detach();

    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signo : {SIGTERM, SIGINT}) ::sigaction(signo, &action, nullptr);
}

void ClearStopRequest() {
    requested.store(false);
    stopSignal.store(0);
}

}  // namespace platform
