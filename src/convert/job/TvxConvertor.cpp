#include "convert/job/TvxConvertor.h"

#include <algorithm>

#include "batch/TvxBatch.h"
#include "convert/chm/ChmDecompilation.h"
#include "core/ThreadsCount.h"
#include "core/TvxProject.h"

std::atomic<std::int32_t> LiveConverters{0};

TvxConvertor::TvxConvertor(TvxBatch* batch, std::int32_t count, const TvxNodeEvent& onJobDone)
    : TvxWorkBase(batch),
      OnJobDone(onJobDone),
      ChainCount(count),
      chain_(std::make_shared<TvxWorkerChain>()) {
    chain_->Add(this);
    if (count > 1) {
        NextInChain = Create(batch, count - 1, onJobDone);
        // The rest of the chain was built with chains of its own; join them
        // into this one, in order.
        for (TvxConvertor* next = NextInChain; next; next = next->NextInChain) {
            next->chain_ = chain_;
            chain_->Add(next);
        }
    }
}

TvxConvertor::~TvxConvertor() { RunFinishSteps(); }

void TvxConvertor::RunFinishSteps() {
    // Leave the chain first: from here on nobody reaches this object through it.
    chain_->Remove(this);
    if (FinishHandler) {
        try {
            Synchronize(FinishHandler);
        } catch (...) {
            // The worker is ending either way.
        }
    }
    std::lock_guard guard(*BatchLock());
    --LiveConverters;
}

TvxConvertor* TvxConvertor::Create(TvxBatch* batch, std::int32_t count,
                                   const TvxNodeEvent& onJobDone) {
    if (vxProject && vxProject->ConvertorClass)
        return vxProject->ConvertorClass(batch, count, onJobDone);
    return new TvxConvertor(batch, count, onJobDone);
}

std::int32_t TvxConvertor::ChainLength() {
    return vxProject ? options::ChooseThreadsCount(vxProject->GetThreadsCount()).Count : 1;
}

TvxConvertor* TvxConvertor::StartChain(TvxBatch* batch, const std::string& target,
                                       const TvxNodeEvent& onJobDone) {
    return StartChain(batch, target, onJobDone, ChainLength());
}

TvxConvertor* TvxConvertor::StartChain(TvxBatch* batch, const std::string& target,
                                       const TvxNodeEvent& onJobDone, std::int32_t count) {
    const std::string targetDir = TvxBatch::NormalizePath(target);
    {
        std::lock_guard guard(*batch->SharedLock());
        batch->TargetDir = targetDir;
    }
    // What killed runs left behind goes before this one adds its own.
    RemoveJobFoldersOfEndedProcesses();
    return Create(batch, std::max<std::int32_t>(1, count), onJobDone);
}

void TvxConvertor::ResumeChain() { chain_->StartFrom(this); }

void TvxConvertor::SetFinishHandler(const TvxFinishHandler& handler) {
    chain_->ForEachFrom(this, [&](TvxWorkBase* worker) {
        static_cast<TvxConvertor*>(worker)->FinishHandler = handler;
    });
}

void TvxConvertor::StopChain() {
    try {
        chain_->StopFrom(this);
    } catch (...) {
    }
}

void TvxConvertor::ProcessJob() {
    ConvertFile(Batch, Node);
    if (OnJobDone) OnJobDone(Batch, Node);
}

void TvxConvertor::ConvertFile(TvxBatch*, TvxNode*) {}

std::string TvxConvertor::AdjustTargetName(const std::string& targetName) { return targetName; }

std::string TvxConvertor::PrintingAppPath() { return {}; }

bool TvxConvertor::HasMacros() { return true; }
