#pragma once
// A thread object in the style the batch engine needs: always created
// suspended and started later, stopped only by a request its own loop reads,
// optionally freeing itself when its body has ended, and able to run a call
// on the main thread while it waits (Synchronize).

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

namespace platform {

// The main thread's side of Synchronize. The window implements it with its
// event loop; RunAndWait must run the call on the main thread and return only
// after it has run there.
class MainThreadDispatcher {
public:
    virtual ~MainThreadDispatcher() = default;
    virtual void RunAndWait(const std::function<void()>& call) = 0;
};

// Installs the dispatcher (nullptr removes it). Call it on the main thread:
// that thread is then remembered as the main thread, and a Synchronize made
// on it runs the call directly instead of queueing it to itself.
void SetMainThreadDispatcher(MainThreadDispatcher* dispatcher);
MainThreadDispatcher* GetMainThreadDispatcher();

class Thread {
public:
    // The thread is created suspended. With freeOnTerminate the object deletes
    // itself on its own thread once Execute and DoTerminate have returned;
    // such an object must be created with new, and nobody may touch it after
    // Start unless they know it is still running. A self-freeing object that
    // is never started is the creator's to delete.
    explicit Thread(bool freeOnTerminate);
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts the suspended thread; later calls do nothing.
    void Start();
    // Only sets the flag Terminated() returns; the body decides when to stop.
    void Terminate();
    bool Terminated() const;
    bool Started() const;
    // True once Execute and DoTerminate have returned.
    bool Finished() const;
    bool FreeOnTerminate() const { return freeOnTerminate_; }
    // Waits for the body to end. Not for self-freeing threads.
    void WaitFor();

protected:
    // The thread's body. An exception that escapes it ends the thread quietly.
    virtual void Execute() = 0;
    // Runs on the thread after Execute.
    virtual void DoTerminate() {}

    // Runs call on the main thread and waits until it has run; an exception
    // thrown by call is re-thrown here. Without an installed dispatcher, or
    // when made on the main thread itself, the call runs directly on the
    // calling thread: the windowless road has no event loop to wait for, and
    // queueing to a loop that never runs would hang the caller.
    static void Synchronize(const std::function<void()>& call);

private:
    void Run();

    const bool freeOnTerminate_;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> started_{false};
    std::atomic<bool> finished_{false};
    std::mutex startMutex_;
    std::thread thread_;
};

}  // namespace platform
