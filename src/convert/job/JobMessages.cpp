#include "convert/job/JobMessages.h"

#include <filesystem>

namespace {

constexpr std::size_t kNamesListed = 5;

std::string NameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// "a, b, c, d, e and 3 more".
std::string ListOf(const std::vector<std::string>& items) {
    std::string list;
    for (std::size_t i = 0; i < items.size() && i < kNamesListed; ++i)
        list += (i ? ", " : "") + items[i];
    if (items.size() > kNamesListed)
        list += " and " + std::to_string(items.size() - kNamesListed) + " more";
    return list;
}

}  // namespace

std::string NoTopicMessage(const HelpFile& help, const std::vector<BookTopicProblem>& leftOut,
                           bool officeStopped) {
    if (officeStopped) return "Every topic of the help file stopped LibreOffice";
    if (!leftOut.empty() && help.DecompilerExit != UnreadableExit)
        return "The help file is damaged: no topic could be read (" + NameOf(leftOut.front().Path) +
               ": " + leftOut.front().Reason + ")";
    return NoTopicReason(help.DecompilerExit);
}

std::string LeftOutNote(const std::vector<BookTopicProblem>& leftOut,
                        const std::set<int>& stoppedOffice,
                        const std::vector<std::string>& topics) {
    std::vector<std::string> items;
    for (const auto& problem : leftOut)
        items.push_back(NameOf(problem.Path) + " (" + problem.Reason + ")");
    for (int topic : stoppedOffice)
        if (topic >= 0 && static_cast<std::size_t>(topic) < topics.size())
            items.push_back(NameOf(topics[static_cast<std::size_t>(topic)]) +
                            " (it stopped LibreOffice)");
    if (items.empty()) return {};
    return std::to_string(items.size()) + " of " + std::to_string(topics.size()) +
           " topics left out: " + ListOf(items);
}

std::string ArchiveNote(const std::vector<std::string>& problems) {
    if (problems.empty()) return {};
    return "not PDF/A-2b as asked: " + ListOf(problems);
}

std::string JobNote(const HelpFile& help, const std::string& leftOutNote,
                    const std::string& archiveNote) {
    std::vector<std::string> parts;
    if (help.PartlyRead())
        parts.push_back("the help file is damaged: only the part that could be read is converted");
    if (const std::size_t missing = help.MissingContentsEntries; missing == 1)
        parts.push_back("1 contents entry names a file the help file does not hold");
    else if (missing > 1)
        parts.push_back(std::to_string(missing) +
                        " contents entries name files the help file does not hold");
    for (const std::string* part : {&leftOutNote, &archiveNote})
        if (!part->empty()) parts.push_back(*part);
    std::string note;
    for (const auto& part : parts) note += (note.empty() ? "" : "; ") + part;
    return note;
}

std::string OfficeTooSlowMessage(const std::string& topicPath) {
    return "LibreOffice was too slow on " + NameOf(topicPath);
}
