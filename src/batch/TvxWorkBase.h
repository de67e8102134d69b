#pragma once
// A worker thread: takes jobs from one batch until none is left, times each
// and hands it to ProcessJob. Created suspended; frees itself when its loop
// has ended, so nobody else may delete it once it has been started.

#include <cstdint>
#include <memory>
#include <mutex>

#include "platform/process/Thread.h"
#include "platform/process/TickClock.h"

class TvxBatch;
class TvxNode;

class TvxWorkBase : public platform::Thread {
public:
    explicit TvxWorkBase(TvxBatch* batch);

    // Replaces the clock the job times are taken with (nullptr restores the
    // system's). For tests; set it while no worker runs.
    static void SetTickClock(const platform::TickClock* clock);
    // The tick of that clock now; job times are differences of two readings.
    static std::uint32_t TickCount();

    TvxBatch* Batch;          // borrowed
    TvxNode* Node = nullptr;  // the job in hand, borrowed

protected:
    // Takes jobs until the batch has none left or a stop was requested at the
    // top of the loop; a job in hand is always finished. Once the whole
    // process is asked to stop (platform::RequestStop), no job is begun any
    // more, not even one handed out while the worker waited for it. An exception with a
    // message that escapes ProcessJob becomes the job's ResultText and the
    // loop goes on; anything else ends the thread.
    void Execute() override;
    // Processes Node completely on this thread.
    virtual void ProcessJob() {}

    // The batch's lock, kept alive for the worker's own finish steps even if
    // the owner frees the batch as soon as it sees the run is over.
    const std::shared_ptr<std::recursive_mutex>& BatchLock() const { return batchLock_; }

private:
    std::shared_ptr<std::recursive_mutex> batchLock_;
};
