#include "batch/TvxBatch.h"

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "core/OptionParsers.h"
#include "core/TvxProject.h"
#include "platform/text/AsciiText.h"

namespace {

constexpr char kPlatformDelim = '/';

void CreateTargetFolder(const std::string& folder) {
    if (folder.empty()) throw std::runtime_error("Unable to create directory");
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
}

}  // namespace

TvxBatch::TvxBatch() : platform::Thread(false), lock_(std::make_shared<std::recursive_mutex>()) {}

TvxBatch::~TvxBatch() {
    if (Started()) {
        Terminate();
        WaitFor();
    }
    Clear();
}

void TvxBatch::Start(const std::string& source, const std::string& target, bool subdirs) {
    const std::string normalSource = NormalizePath(source);
    const std::string normalTarget = NormalizePath(target);
    const std::optional<TvxShard> shard = vxProject ? ReadShardOption(*vxProject) : std::nullopt;
    // Only where the project's delimiter is this platform's own does the
    // target name a local folder that can be created.
    if (vxProject && vxProject->PathDelim == kPlatformDelim) CreateTargetFolder(normalTarget);
    {
        std::lock_guard guard(*lock_);
        TargetDir = normalTarget;
        const auto cut = normalSource.rfind(kPlatformDelim);
        Mask = cut == std::string::npos ? normalSource : normalSource.substr(cut + 1);
        SourceDir = cut == std::string::npos ? std::string() : normalSource.substr(0, cut + 1);
        Subdirs = subdirs;
        Shard = shard;
    }
    // Before the search begins: no job may write over the run log, nor the
    // search take it for a source.
    const std::string logFile =
        vxProject ? ShardLogFileName(vxProject->GetOption("LogFile"), shard) : "";
    if (!logFile.empty()) TakeOutput(logFile, "the run log " + logFile);
    if (!SearchDone.load() && !Started()) platform::Thread::Start();
}

void TvxBatch::Execute() {
    struct MarkDone {
        std::atomic<bool>& flag;
        ~MarkDone() { flag.store(true); }
    } markDone{SearchDone};

    std::string folder, mask;
    bool subdirs = false;
    std::uint32_t attributeMask = WithHiddenMask;
    {
        std::lock_guard guard(*lock_);
        RegExt = vxProject ? vxProject->GetOption("RegExt") : std::string();
        SkipHidden =
            vxProject && options::ParseBoolean(vxProject->GetOption("SkipHidden")).value_or(false);
        attributeMask = SkipHidden ? SkipHiddenMask : WithHiddenMask;
        folder = SourceDir;
        mask = Mask;
        subdirs = Subdirs;
        orderedFolders_ = Shard.has_value();
        searchedFolders_.clear();
    }
    try {
        Search(folder, mask, subdirs, attributeMask);
    } catch (...) {
        // A failing search ends the supply like a finished one.
    }
}

void TvxBatch::AddNode(const std::string& fileName) {
    if (!Accept(fileName)) return;
    TvxNode* node = nullptr;
    {
        std::lock_guard guard(*lock_);
        nodes_.push_back(
            std::make_unique<TvxNode>(fileName, static_cast<std::int32_t>(nodes_.size())));
        node = nodes_.back().get();
    }
    std::this_thread::yield();
    if (OnNodeAdded) OnNodeAdded(this, node);
}

void TvxBatch::AddFile(const std::string& fileName) {
    AddNode(fileName);
    SearchDone.store(true);
}

std::int32_t TvxBatch::NodeCount() {
    std::lock_guard guard(*lock_);
    return static_cast<std::int32_t>(nodes_.size());
}

TvxNode* TvxBatch::NextNode() {
    struct Waiting {
        std::atomic<int>& count;
        bool counted = false;
        void Begin() {
            if (!counted) ++count;
            counted = true;
        }
        ~Waiting() {
            if (counted) --count;
        }
    } waiting{WaitingForSearch};
    for (;;) {
        bool searchOver = false;
        TvxNode* taken = nullptr;
        {
            std::lock_guard guard(*lock_);
            while (NextIndex < static_cast<std::int32_t>(nodes_.size()) &&
                   nodes_[NextIndex]->Withdrawn)
                ++NextIndex;
            if (NextIndex < static_cast<std::int32_t>(nodes_.size()))
                taken = nodes_[NextIndex++].get();
            // Judged together with the length, so a job appended just before
            // the flag was set is handed out on this round, not lost.
            searchOver = SearchDone.load();
        }
        if (taken) {
            if (OnNodeStarted) OnNodeStarted(this, taken);
            return taken;
        }
        if (searchOver) {
            Exhausted.store(true);
            return nullptr;
        }
        waiting.Begin();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

bool TvxBatch::Withdraw(std::int32_t index) {
    std::lock_guard guard(*lock_);
    if (index < NextIndex || index >= static_cast<std::int32_t>(nodes_.size())) return false;
    nodes_[static_cast<size_t>(index)]->Withdrawn = true;
    return true;
}

void TvxBatch::AddSuccess() {
    std::lock_guard guard(*lock_);
    ++Successes;
}

void TvxBatch::AddFailure(const std::string& message) {
    std::lock_guard guard(*lock_);
    ++Failures;
    for (const auto& known : FailureMessages)
        if (platform::EqualsNoCase(known, message)) return;
    FailureMessages.push_back(message);
}

TvxNodeList& TvxBatch::LockNodes() {
    lock_->lock();
    return nodes_;
}

void TvxBatch::UnlockNodes() { lock_->unlock(); }

void TvxBatch::Clear() {
    std::lock_guard guard(*lock_);
    nodes_.clear();
    NextIndex = 0;
    Successes = 0;
    Failures = 0;
    SearchDone.store(false);
    Exhausted.store(false);
}
