#pragma once
// Hands a call from any thread to the user-interface thread and waits until
// it has run there; on the user-interface thread itself the call runs at
// once. Calls tied to a generation are abandoned by CancelPending: their
// callers return at once, the calls never run, and later calls of that
// generation are refused without waiting. The window ties the rows of a
// batch to a generation and cancels it before it frees the batch, because
// freeing waits for the batch's search thread, which may be waiting here.

#include <QObject>
#include <QPointer>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

namespace ui {

class UiThreadCall {
public:
    // receiver lives on the user-interface thread; calls are queued to it.
    explicit UiThreadCall(QObject* receiver);
    ~UiThreadCall();
    UiThreadCall(const UiThreadCall&) = delete;
    UiThreadCall& operator=(const UiThreadCall&) = delete;

    // Runs the call; returns false when the receiver is gone. An exception
    // thrown by the call is re-thrown here.
    bool Run(const std::function<void()>& call);
    // The same for a call of the given generation; returns false when that
    // generation was cancelled before the call could run.
    bool RunFor(unsigned generation, const std::function<void()>& call);

    unsigned Generation();
    // Abandons every call of the current generation and starts a new one.
    void CancelPending();

    bool OnUiThread() const;

private:
    struct Pending;
    bool Queue(const std::shared_ptr<Pending>& pending);

    QPointer<QObject> receiver_;
    std::mutex mutex_;
    std::condition_variable woken_;
    unsigned generation_ = 0;  // bumped by CancelPending
    bool closed_ = false;      // set by the destructor
};

}  // namespace ui
