#pragma once
// The converter: the worker that converts jobs, and the chain of converters
// that makes up the pool of one run. Converters are made through the
// project's ConvertorClass factory, so the project chooses the kind; each
// creates the next until the chain is as long as ThreadsCount asks.
//
// Ending: a converter's thread ends when its batch has no job left (or on a
// stop request); it then destroys itself on its own thread. Subclasses
// release their resources in their destructors, which run before the finish
// steps here: leave the chain, run FinishHandler on the main thread and wait,
// then decrease LiveConverters under the batch's lock.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "batch/TvxNodeEvent.h"
#include "batch/TvxWorkBase.h"
#include "batch/TvxWorkerChain.h"

using TvxFinishHandler = std::function<void()>;

// Converters not yet destroyed, as the console runner counts them: it sets
// the figure before starting a chain and waits until it falls to 0. Changed
// under the batch's lock; read without it.
extern std::atomic<std::int32_t> LiveConverters;

class TvxConvertor : public TvxWorkBase {
public:
    // Builds this converter and, for count above 1, the rest of the chain
    // through Create. Everything is left suspended.
    TvxConvertor(TvxBatch* batch, std::int32_t count, const TvxNodeEvent& onJobDone);
    ~TvxConvertor() override;

    // The virtual constructor: a converter of the project's ConvertorClass
    // (this base class when the project names none).
    static TvxConvertor* Create(TvxBatch* batch, std::int32_t count, const TvxNodeEvent& onJobDone);
    // Sets the batch's target folder and builds a chain of ThreadsCount
    // converters, at least one and at most options::ChooseThreadsCount's
    // limit; returns the first, suspended.
    static TvxConvertor* StartChain(TvxBatch* batch, const std::string& target,
                                    const TvxNodeEvent& onJobDone);
    // The same with `count` converters (at least one), for an owner that
    // knows the run needs fewer, such as when the search has ended.
    static TvxConvertor* StartChain(TvxBatch* batch, const std::string& target,
                                    const TvxNodeEvent& onJobDone, std::int32_t count);
    // The number of converters StartChain makes from the project's options.
    static std::int32_t ChainLength();

    // Call these on the first converter. ResumeChain, SetFinishHandler and
    // StopChain reach only converters that have not ended yet. The member
    // forms need this converter alive; Chain() stays valid for the whole run
    // and is the safe handle for stopping later.
    void ResumeChain();
    void SetFinishHandler(const TvxFinishHandler& handler);  // before ResumeChain
    void StopChain();
    const TvxWorkerChainRef& Chain() const { return chain_; }

    // Fields of the chain, in record order.
    TvxNodeEvent OnJobDone;
    TvxFinishHandler FinishHandler;
    TvxConvertor* NextInChain = nullptr;  // borrowed; may have ended already
    std::int32_t ChainCount = 0;

    virtual void ConvertFile(TvxBatch* batch, TvxNode* node);
    virtual std::string AdjustTargetName(const std::string& targetName);
    // The program that prints the open document; empty when none.
    virtual std::string PrintingAppPath();
    virtual bool HasMacros();

    // Target naming and treatment of the source (TvxConvertorTargets.cpp).
    // The target path of the job, or "" when the job is skipped because its
    // target exists (the job is then marked done). A target name belongs to
    // one source: in this run (TvxBatch::TakeOutput) and, in a run split into
    // shards, across the shards (TargetClaims.h); "" also stands for a job
    // failed because its name and the new name both belong to other sources.
    std::string MakeTargetName(TvxBatch* batch, TvxNode* node);
    // Deletes the file; failures are ignored.
    static void DeleteTarget(const std::string& path);
    // KeepFileTime, DeleteSource and RenameSource after a successful job;
    // nothing when the target is not there.
    void PostProcess(TvxBatch* batch, TvxNode* node, const std::string& target);
    // Access and modification times of the source onto the target; failures
    // are ignored.
    static void CopyFileTimes(const std::string& source, const std::string& target);

protected:
    // ConvertFile, then OnJobDone (not reached when ConvertFile throws).
    void ProcessJob() override;

private:
    void RunFinishSteps();
    std::string ClaimTargetName(TvxBatch* batch, TvxNode* node, const std::string& target);
    std::string TakeTargetName(TvxBatch* batch, TvxNode* node, const std::string& target);

    TvxWorkerChainRef chain_;
};
