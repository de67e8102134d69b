#pragma once
// The workers of one run that have not yet ended, in chain order. Workers
// free themselves, so a chain pointer may dangle as soon as its thread is
// over; this list is the safe way to reach the ones still alive. Each worker
// leaves the list first thing in its destruction, under the list's mutex, so
// a worker found here stays valid while the mutex is held.

#include <memory>
#include <mutex>
#include <vector>

class TvxWorkBase;

class TvxWorkerChain {
public:
    void Add(TvxWorkBase* worker);
    void Remove(TvxWorkBase* worker);
    int LiveCount() const;

    // Starts `from` and every later worker, in chain order.
    void StartFrom(const TvxWorkBase* from);
    // Asks `from` and every later worker to stop, the last one first; workers
    // already ended are skipped, nobody is waited for.
    void StopFrom(const TvxWorkBase* from);
    // Runs `visit` under the mutex for `from` and every later live worker.
    template <class Visit>
    void ForEachFrom(const TvxWorkBase* from, Visit visit) {
        std::lock_guard guard(mutex_);
        for (auto it = find(from); it != workers_.end(); ++it) visit(*it);
    }
    // Stops every live worker, the last one first.
    void Stop();

private:
    std::vector<TvxWorkBase*>::iterator find(const TvxWorkBase* worker);

    mutable std::mutex mutex_;
    std::vector<TvxWorkBase*> workers_;
};

using TvxWorkerChainRef = std::shared_ptr<TvxWorkerChain>;
