#include "platform/process/Thread.h"

#include <exception>

namespace platform {

namespace {

std::atomic<MainThreadDispatcher*> installedDispatcher{nullptr};
std::mutex mainThreadMutex;
std::thread::id mainThreadId;

bool OnMainThread() {
    std::lock_guard lock(mainThreadMutex);
    return std::this_thread::get_id() == mainThreadId;
}

}  // namespace

void SetMainThreadDispatcher(MainThreadDispatcher* dispatcher) {
    {
        std::lock_guard lock(mainThreadMutex);
        mainThreadId = dispatcher ? std::this_thread::get_id() : std::thread::id();
    }
    installedDispatcher.store(dispatcher);
}

MainThreadDispatcher* GetMainThreadDispatcher() { return installedDispatcher.load(); }

Thread::Thread(bool freeOnTerminate) : freeOnTerminate_(freeOnTerminate) {}

Thread::~Thread() {
    // A derived class that owns the body's data stops and waits in its own
    // destructor; this only keeps std::thread from aborting the process.
    if (thread_.joinable()) {
        if (thread_.get_id() == std::this_thread::get_id())
            thread_.detach();
        else
            thread_.join();
    }
}

void Thread::Start() {
    if (started_.exchange(true)) return;
    if (freeOnTerminate_) {
        // The new thread may end and delete this object at once, so nothing
        // of it is touched after the launch; the handle is never kept.
        std::thread(&Thread::Run, this).detach();
        return;
    }
    std::lock_guard lock(startMutex_);
    thread_ = std::thread(&Thread::Run, this);
}

void Thread::Terminate() { terminated_.store(true); }

bool Thread::Terminated() const { return terminated_.load(); }

bool Thread::Started() const { return started_.load(); }

bool Thread::Finished() const { return finished_.load(); }

void Thread::WaitFor() {
    std::lock_guard lock(startMutex_);
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

void Thread::Run() {
    try {
        Execute();
    } catch (...) {
        // Whatever escapes the body ends the thread, nothing more.
    }
    try {
        DoTerminate();
    } catch (...) {
    }
    if (freeOnTerminate_) {
        delete this;
        return;
    }
    finished_.store(true);
}

void Thread::Synchronize(const std::function<void()>& call) {
    MainThreadDispatcher* dispatcher = installedDispatcher.load();
    if (!dispatcher || OnMainThread()) {
        call();
        return;
    }
    std::exception_ptr failure;
    dispatcher->RunAndWait([&] {
        try {
            call();
        } catch (...) {
            failure = std::current_exception();
        }
    });
    if (failure) std::rethrow_exception(failure);
}

}  // namespace platform
