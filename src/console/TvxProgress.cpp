#include "console/TvxProgress.h"

#include <cstdio>

#include "batch/TvxBatch.h"
#include "batch/TvxNode.h"
#include "platform/EscapedText.h"
#include "platform/PathText.h"

namespace {

std::string ShownName(const std::string& path) {
    return platform::EscapeControls(platform::ExtractFileName(path));
}

std::string TwoDigits(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02u", value);
    return text;
}

}  // namespace

std::string DurationText(std::uint32_t milliseconds) {
    const std::uint64_t tenths = (std::uint64_t{milliseconds} + 50) / 100;
    if (tenths < 600) return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " s";
    const auto seconds = static_cast<std::uint32_t>((std::uint64_t{milliseconds} + 500) / 1000);
    const std::uint32_t minutes = seconds / 60;
    if (minutes < 60) return std::to_string(minutes) + " min " + TwoDigits(seconds % 60) + " s";
    return std::to_string(minutes / 60) + " h " + TwoDigits(minutes % 60) + " min " +
           TwoDigits(seconds % 60) + " s";
}

std::string ProgressLine(int finished, int known, const TvxNode& node, std::uint32_t milliseconds) {
    std::string line = "[" + std::to_string(finished) + "/" + std::to_string(known) + "] " +
                       ShownName(node.FileName);
    if (node.Status == TvxNode::Done && node.ResultText.empty())
        return line + " skipped: the PDF exists";
    if (node.Status == TvxNode::Done)
        line += " -> " + ShownName(node.ResultText);
    else
        line += " failed: " + platform::EscapeControls(node.ResultText);
    return line + " (" + DurationText(milliseconds) + ")";
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
    return line + " in " + DurationText(milliseconds);
}
