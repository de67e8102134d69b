#include "ui/UiThreadCall.h"

#include <QThread>

namespace ui {

struct UiThreadCall::Pending {
    std::function<void()> call;
    bool cancellable = false;
    unsigned generation = 0;
    bool done = false;
    bool ran = false;
    std::exception_ptr failure;
};

UiThreadCall::UiThreadCall(QObject* receiver) : receiver_(receiver) {}

UiThreadCall::~UiThreadCall() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    woken_.notify_all();
}

bool UiThreadCall::OnUiThread() const {
    return receiver_ && QThread::currentThread() == receiver_->thread();
}

unsigned UiThreadCall::Generation() {
    std::lock_guard lock(mutex_);
    return generation_;
}

void UiThreadCall::CancelPending() {
    std::lock_guard lock(mutex_);
    ++generation_;
    woken_.notify_all();
}

bool UiThreadCall::Run(const std::function<void()>& call) {
    if (OnUiThread()) {
        call();
        return true;
    }
    auto pending = std::make_shared<Pending>();
    pending->call = call;
    return Queue(pending);
}

bool UiThreadCall::RunFor(unsigned generation, const std::function<void()>& call) {
    if (OnUiThread()) {
        if (generation != Generation()) return false;
        call();
        return true;
    }
    auto pending = std::make_shared<Pending>();
    pending->call = call;
    pending->cancellable = true;
    pending->generation = generation;
    return Queue(pending);
}

bool UiThreadCall::Queue(const std::shared_ptr<Pending>& pending) {
    auto stale = [this, pending] {
        return pending->cancellable && pending->generation != generation_;
    };
    {
        std::lock_guard lock(mutex_);
        if (closed_ || !receiver_ || stale()) return false;
    }
    // The queued functor dies with the receiver if it never runs, and the
    // receiver owns this object, so "this" is valid whenever it runs.
    const bool queued = QMetaObject::invokeMethod(
        receiver_.data(),
        [this, pending, stale] {
            std::unique_lock lock(mutex_);
            if (!stale() && !pending->done) {
                lock.unlock();
                try {
                    pending->call();
                } catch (...) {
                    pending->failure = std::current_exception();
                }
                lock.lock();
                pending->ran = true;
            }
            pending->done = true;
            woken_.notify_all();
        },
        Qt::QueuedConnection);
    if (!queued) return false;

    std::unique_lock lock(mutex_);
    woken_.wait(lock, [&] { return pending->done || closed_ || stale(); });
    pending->done = true;  // a queued copy that runs later does nothing
    if (!pending->ran) return false;
    lock.unlock();
    if (pending->failure) std::rethrow_exception(pending->failure);
    return true;
}

}  // namespace ui
