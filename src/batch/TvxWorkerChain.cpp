#include "batch/TvxWorkerChain.h"

#include <algorithm>

#include "batch/TvxWorkBase.h"

void TvxWorkerChain::Add(TvxWorkBase* worker) {
    std::lock_guard guard(mutex_);
    workers_.push_back(worker);
}

void TvxWorkerChain::Remove(TvxWorkBase* worker) {
    std::lock_guard guard(mutex_);
    workers_.erase(std::remove(workers_.begin(), workers_.end(), worker), workers_.end());
}

int TvxWorkerChain::LiveCount() const {
    std::lock_guard guard(mutex_);
    return static_cast<int>(workers_.size());
}

std::vector<TvxWorkBase*>::iterator TvxWorkerChain::find(const TvxWorkBase* worker) {
    return std::find(workers_.begin(), workers_.end(), worker);
}

void TvxWorkerChain::StartFrom(const TvxWorkBase* from) {
    // A worker that ends at once blocks in Remove until this loop is done,
    // so every pointer stays valid here.
    std::lock_guard guard(mutex_);
    for (auto it = find(from); it != workers_.end(); ++it) (*it)->Start();
}

void TvxWorkerChain::StopFrom(const TvxWorkBase* from) {
    std::lock_guard guard(mutex_);
    const auto first = find(from);
    if (first == workers_.end()) return;
    for (auto it = workers_.end(); it != first;) (*--it)->Terminate();
}

void TvxWorkerChain::Stop() {
    std::lock_guard guard(mutex_);
    for (auto it = workers_.rbegin(); it != workers_.rend(); ++it) (*it)->Terminate();
}
