#pragma once
// The batch controller: owns the jobs of one run, fills the list from a search
// of the source on its own thread, and hands the jobs one by one to the
// workers. One re-entrant lock (LockNodes/UnlockNodes) guards the job list,
// NextIndex, Successes, Failures, FailureMessages and the workers' live count.
// SearchDone and Exhausted are read without the lock.

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "batch/TvxNode.h"
#include "batch/TvxNodeEvent.h"
#include "core/TvxShard.h"
#include "platform/files/FolderListing.h"
#include "platform/process/Thread.h"

class TvxMatchBase;

using TvxNodeList = std::vector<std::unique_ptr<TvxNode>>;

class TvxBatch : public platform::Thread {
public:
    // Attribute masks of the file pass: read-only, system, volume and archive,
    // with or without hidden.
    static constexpr std::uint32_t SkipHiddenMask = 45;
    static constexpr std::uint32_t WithHiddenMask = 47;

    TvxBatch();
    ~TvxBatch() override;

    // Stores source and target, takes the Shard option and starts the search,
    // once per controller. Throws when the target is empty ("Unable to create
    // directory"), when normalising a path fails, or when Shard does not parse.
    void Start(const std::string& source, const std::string& target, bool subdirs);

    // Adds the job when Accept takes it; tells OnNodeAdded outside the lock.
    void AddNode(const std::string& fileName);
    // Adds one job and closes the list (nothing more will be searched).
    void AddFile(const std::string& fileName);
    std::int32_t NodeCount();
    // The next job in list order, or nullptr once the search has finished and
    // every job has been handed out. Polls every millisecond while the search
    // still runs. Tells OnNodeStarted, outside the lock, of the job handed out.
    TvxNode* NextNode();
    bool IsExhausted() const { return Exhausted.load(); }
    // Takes a job no worker has taken yet out of the run (the user removed
    // its row); false when a worker has it already or there is no such job.
    bool Withdraw(std::int32_t index);
    void AddSuccess();
    // Counts the report and keeps the message unless it is already there in
    // some letter case.
    void AddFailure(const std::string& message);

    // Locks (re-entrantly) and returns the job list; pair with UnlockNodes.
    TvxNodeList& LockNodes();
    void UnlockNodes();
    // The lock itself, shared so that a worker may still release it after
    // the owner, seeing the run over, has freed the batch.
    std::shared_ptr<std::recursive_mutex> SharedLock() const { return lock_; }

    // Turns a "file:" address into a local path; other paths are returned
    // unchanged.
    static std::string NormalizePath(const std::string& path);
    // Depth-first search calling AddNode for each qualifying file; Folder
    // ends in '/' (or is empty for the current folder).
    void Search(const std::string& folder, const std::string& mask, bool subdirs,
                std::uint32_t attributeMask);
    // The mask and RegExt filter, and with a Shard the file's shard.
    bool Accept(const std::string& fileName);
    // The part of the path below SourceDir; the file name alone for a file
    // that does not lie below it (one added by hand). Names the file's shard
    // and, in a sharded run, the owner of its target name.
    std::string SourceKey(const std::string& fileName) const;
    TvxMatchBase* Matcher() const;

    // The files this run writes (each job's target, the run log), so that no
    // two jobs write one file and the search never takes them for sources.
    // Paths compare as the file system reaches them (platform::ResolvedPath).
    // Takes `path` for `owner` unless another owner holds it already, and
    // returns the holder: `owner` itself when the path is, or was, free.
    std::string TakeOutput(const std::string& path, const std::string& owner);
    bool IsOwnOutput(const std::string& path) const;

    // The batch's settings and counters. Strings are written by Start under
    // the lock; they must not change while workers read them.
    std::int32_t NextIndex = 0;
    std::atomic<bool> Exhausted{false};
    std::int32_t Failures = 0;
    std::string Mask;
    bool Subdirs = false;
    std::atomic<bool> SearchDone{false};
    // How many NextNode callers wait at this moment for the search to give a job.
    std::atomic<int> WaitingForSearch{0};
    std::int32_t Successes = 0;
    std::vector<std::string> FailureMessages;
    TvxNodeEvent OnNodeAdded;
    // Told on the worker's thread when a worker takes a job, before it
    // processes it. Set it before any worker starts.
    TvxNodeEvent OnNodeStarted;
    std::string RegExt;
    bool SkipHidden = false;
    std::string SourceDir;
    std::string TargetDir;
    // The Shard option as Start took it; nothing for a run that is not split.
    std::optional<TvxShard> Shard;

protected:
    void Execute() override;

private:
    void Clear();
    void AddFilesOf(const std::string& folder, const std::string& mask,
                    std::uint32_t attributeMask);
    void SearchSubfoldersOf(const std::string& folder, const std::string& mask, bool subdirs,
                            std::uint32_t attributeMask);

    std::shared_ptr<std::recursive_mutex> lock_;
    TvxNodeList nodes_;
    // Folders already searched in this run, so that links cannot loop.
    std::set<platform::FolderIdentity> searchedFolders_;
    // Resolved output path -> its owner; under lock_.
    std::map<std::string, std::string> outputs_;
    // A split run visits sub-folders in name order, so that a folder reached
    // under two names is searched under the same one on every machine.
    bool orderedFolders_ = false;
};
