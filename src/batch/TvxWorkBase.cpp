#include "batch/TvxWorkBase.h"

#include <atomic>
#include <exception>

#include "batch/TvxBatch.h"
#include "platform/process/StopRequest.h"

namespace {

std::atomic<const platform::TickClock*> injectedClock{nullptr};

}  // namespace

TvxWorkBase::TvxWorkBase(TvxBatch* batch)
    : platform::Thread(true), Batch(batch), batchLock_(batch->SharedLock()) {}

void TvxWorkBase::SetTickClock(const platform::TickClock* clock) { injectedClock.store(clock); }

std::uint32_t TvxWorkBase::TickCount() {
    const platform::TickClock* clock = injectedClock.load();
    return clock ? clock->TickCount() : platform::SystemTickClock().TickCount();
}

void TvxWorkBase::Execute() {
    while (!Terminated() && !platform::StopRequested()) {
        Node = Batch->NextNode();
        if (!Node || platform::StopRequested()) {
            Terminate();
            break;
        }
        try {
            const std::uint32_t started = TickCount();
            Node->StartTick = started;
            ProcessJob();
            // Unsigned difference: right across a wrap of the 32-bit counter.
            Node->Elapsed = static_cast<std::int32_t>(TickCount() - started);
        } catch (const std::exception& error) {
            Node->ResultText = error.what();
        }
    }
    Node = nullptr;
}
