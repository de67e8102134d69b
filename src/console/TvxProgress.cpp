#include "console/TvxProgress.h"

#include "batch/TvxBatch.h"
#include "batch/TvxNode.h"
#include "platform/text/DurationText.h"
#include "platform/text/EscapedText.h"
#include "platform/text/PathText.h"

namespace {

std::string ShownName(const std::string& path) {
    return platform::EscapeControls(platform::ExtractFileName(path));
}

std::string Shown(std::uint32_t milliseconds) {
    return platform::DurationText(std::chrono::milliseconds(milliseconds));
}

}  // namespace

std::string ProgressLine(int finished, int known, const TvxNode& node, std::uint32_t milliseconds) {
    std::string line = "[" + std::to_string(finished) + "/" + std::to_string(known) + "] " +
                       ShownName(node.FileName);
    if (node.Status == TvxNode::Done && node.ResultText.empty())
        return line + " skipped: the PDF exists";
    if (node.Status == TvxNode::Done)
        line += " -> " + ShownName(node.ResultText);
    else
        line += " failed: " + platform::EscapeControls(node.ResultText);
    line += " (" + Shown(milliseconds) + ")";
    // A job that succeeded without some of its topics says which.
    if (!node.Note.empty()) line += "; " + platform::EscapeControls(node.Note);
    return line;
}

TvxRunCounts CountJobs(TvxBatch& batch) {
    TvxRunCounts counts;
    TvxNodeList& nodes = batch.LockNodes();
    for (const auto& node : nodes) {
        if (node->Status == TvxNode::Done)
            ++(node->ResultText.empty() ? counts.Skipped : counts.Converted);
        else if (node->Status == TvxNode::Failed || !node->ResultText.empty())
            ++counts.Failed;
        else
            ++counts.NotRun;
    }
    batch.UnlockNodes();
    return counts;
}

std::string SummaryLine(const TvxRunCounts& counts, std::uint32_t milliseconds) {
    std::string line = std::to_string(counts.Converted) + " converted, " +
                       std::to_string(counts.Failed) + " failed, " +
                       std::to_string(counts.Skipped) + " skipped";
    if (counts.NotRun > 0) line += ", " + std::to_string(counts.NotRun) + " not run";
    return line + " in " + Shown(milliseconds);
}

std::string TimingLine(const TvxNode& node) {
    return "timing: " + ShownName(node.FileName) + ": " + node.Timings;
}
