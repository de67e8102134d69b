#include "console/TvxMain.h"

#include <thread>

#include "batch/TvxBatch.h"
#include "batch/TvxNode.h"
#include "console/TvxErrorReport.h"
#include "convert/ChmDecompilation.h"
#include "convert/TvxConvertor.h"
#include "core/TvxProject.h"
#include "core/TvxShard.h"
#include "platform/TextFile.h"

TvxMain* vxMain = nullptr;

namespace {

// Job folders are removed in the background; the run waits for them so that
// ending the process does not cut a removal short.
constexpr std::chrono::seconds TempFolderRemovalLimit{30};

const char* StatusWord(std::int32_t status) {
    switch (status) {
        case TvxNode::Done:
            return "Success";
        case TvxNode::Failed:
            return "Failure";
        default:
            return "Running";
    }
}

}  // namespace

std::string RunLogLine(const TvxNode& node) {
    return std::string(StatusWord(node.Status)) + " => " + node.FileName + " => " + node.ResultText;
}

TvxMain::TvxMain() = default;
TvxMain::~TvxMain() = default;

void TvxMain::Run() {
    LogLines.clear();
    Batch = std::make_unique<TvxBatch>();
    const bool subdir = vxProject->GetSubdir();
    const std::string target = vxProject->GetTargetFolder();
    const std::string source = vxProject->GetSource();
    Batch->Start(source, target, subdir);

    Workers = TvxConvertor::StartChain(
        Batch.get(), vxProject->GetTargetFolder(),
        [this](TvxBatch* sender, TvxNode* node) { ReportJob(sender, node); });
    LiveConverters = Workers->ChainCount;
    Workers->ResumeChain();
    Workers = nullptr;  // the converters free themselves as they end

    while (LiveConverters.load() > 0) std::this_thread::sleep_for(PollInterval);
    WaitForTempFolderRemovals(TempFolderRemovalLimit);
    Finish();
}

void TvxMain::ReportJob(TvxBatch*, TvxNode* node) {
    std::string line = RunLogLine(*node);
    std::lock_guard lock(logLinesLock_);
    LogLines.push_back(std::move(line));
}

void TvxMain::Finish() {
    std::vector<std::string> failures;
    {
        std::lock_guard lock(*Batch->SharedLock());
        if (Batch->Failures > 0) failures = Batch->FailureMessages;
    }
    if (!failures.empty()) SendErrorReport(failures);

    // Each shard of a split run writes its own log: "%K" names the shard.
    const std::string logFile = ShardLogFileName(vxProject->GetOption("LogFile"), Batch->Shard);
    if (!logFile.empty()) {
        std::lock_guard lock(logLinesLock_);
        platform::WriteTextLines(logFile, LogLines);
    }
}
