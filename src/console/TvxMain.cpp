#include "console/TvxMain.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <thread>

#include "batch/TvxBatch.h"
#include "batch/TvxNode.h"
#include "console/TvxProgress.h"
#include "console/TvxRunCheck.h"
#include "convert/chm/ChmDecompilation.h"
#include "convert/job/TvxConvertor.h"
#include "core/OptionParsers.h"
#include "core/TvxProject.h"
#include "core/TvxShard.h"
#include "platform/files/TextFile.h"
#include "platform/process/StopRequest.h"
#include "platform/text/EscapedText.h"

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

std::uint32_t MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now() - start)
                                          .count());
}

std::string StopNote() {
    const int signal = platform::StopSignal();
    if (signal == 0) return "The run was stopped";
    return "The run was stopped by signal " + std::to_string(signal) + " (" + ::strsignal(signal) +
           ")";
}

}  // namespace

std::string RunLogLine(const TvxNode& node) {
    return std::string(StatusWord(node.Status)) + " => " + platform::EscapeControls(node.FileName) +
           " => " + platform::EscapeControls(node.ResultText);
}

TvxMain::TvxMain() : Messages(&std::cerr) {}
TvxMain::~TvxMain() = default;

int TvxMain::Run() {
    started_ = std::chrono::steady_clock::now();
    {
        std::lock_guard lock(logLinesLock_);
        LogLines.clear();
        finished_ = 0;
    }
    quiet_ = options::ParseBoolean(vxProject->GetOption("Quiet")).value_or(false);
    timings_ = options::ParseBoolean(vxProject->GetOption("Timings")).value_or(false);
    Batch = std::make_unique<TvxBatch>();
    if (!CheckBeforeStart()) {
        // The log still tells that this run did nothing, as the window's
        // does, unless writing it is what destroys a file.
        try {
            if (!LogFileProblem(*vxProject)) WriteRunLog();
        } catch (const std::exception& error) {
            Say(platform::EscapeControls(error.what()));
        }
        return ExitNotStarted;
    }
    const bool subdir = vxProject->GetSubdir();
    const std::string target = vxProject->GetTargetFolder();
    const std::string source = vxProject->GetSource();
    try {
        Batch->Start(source, target, subdir);
    } catch (const std::exception& error) {
        Say(platform::EscapeControls(error.what()));
        return ExitNotStarted;
    }
    RunConverters(vxProject->GetTargetFolder());
    WaitForTempFolderRemovals(TempFolderRemovalLimit);
    const TvxRunCounts counts = CountJobs(*Batch);
    if (platform::StopRequested()) Say(StopNote());
    if (!quiet_) Say(SummaryLine(counts, MillisecondsSince(started_)));
    Finish();
    return Conclude(counts);
}

bool TvxMain::CheckBeforeStart() {
    const TvxRunCheck check = CheckRunStart(*vxProject);
    for (const auto& warning : check.Warnings) Say("Warning: " + warning);
    for (const auto& error : check.Errors) Say(error);
    return check.CanStart();
}

// ThreadsCount converters, unless the search ends within its head start
// with fewer jobs: converting never waits longer than that for the search.
std::int32_t TvxMain::ConverterCount() {
    const std::int32_t wanted = TvxConvertor::ChainLength();
    const auto deadline = std::chrono::steady_clock::now() + SearchHeadStart;
    while (!Batch->SearchDone.load() && Batch->NodeCount() < wanted &&
           std::chrono::steady_clock::now() < deadline && !platform::StopRequested())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (!Batch->SearchDone.load()) return wanted;
    return std::clamp<std::int32_t>(Batch->NodeCount(), 1, wanted);
}

void TvxMain::RunConverters(const std::string& target) {
    Workers = TvxConvertor::StartChain(
        Batch.get(), target, [this](TvxBatch* sender, TvxNode* node) { ReportJob(sender, node); },
        ConverterCount());
    const TvxWorkerChainRef chain = Workers->Chain();
    LiveConverters = Workers->ChainCount;
    // As the window's Stop: no new search entry, no new job; the jobs in
    // hand are cut short by their own subscriptions (decompiler, office).
    platform::StopSubscription onStop([batch = Batch.get(), chain] {
        batch->Terminate();
        chain->Stop();
    });
    Workers->ResumeChain();
    Workers = nullptr;  // the converters free themselves as they end

    while (LiveConverters.load() > 0) std::this_thread::sleep_for(PollInterval);
}

void TvxMain::ReportJob(TvxBatch* sender, TvxNode* node) {
    const std::uint32_t elapsed = TvxWorkBase::TickCount() - node->StartTick;
    std::string line = RunLogLine(*node);
    int finished = 0;
    {
        std::lock_guard lock(logLinesLock_);
        LogLines.push_back(std::move(line));
        finished = ++finished_;
    }
    if (!quiet_) Say(ProgressLine(finished, sender->NodeCount(), *node, elapsed));
    if (timings_ && !node->Timings.empty()) Say(TimingLine(*node));
}

// Nobody is there to agree to an error report: the failures are in the log
// and the exit code.
void TvxMain::Finish() { WriteRunLog(); }

void TvxMain::WriteRunLog() {
    // Each shard of a split run writes its own log: "%K" names the shard. A
    // run refused for its Shard keeps the name as typed.
    std::optional<TvxShard> shard;
    try {
        shard = ReadShardOption(*vxProject);
    } catch (const std::invalid_argument&) {
    }
    const std::string logFile = ShardLogFileName(vxProject->GetOption("LogFile"), shard);
    if (logFile.empty()) return;
    std::lock_guard lock(logLinesLock_);
    platform::WriteTextLines(logFile, LogLines);
}

int TvxMain::Conclude(const TvxRunCounts& counts) {
    std::lock_guard lock(*Batch->SharedLock());
    return counts.Failed > 0 || Batch->Failures > 0 ? ExitJobsFailed : ExitSuccess;
}

void TvxMain::Say(const std::string& line) {
    std::lock_guard lock(messagesLock_);
    *Messages << line << '\n' << std::flush;
}
