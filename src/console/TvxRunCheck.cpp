#include "console/TvxRunCheck.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "batch/TvxBatch.h"
#include "batch/TvxMatch.h"
#include "core/OptionCheck.h"
#include "core/ThreadsCount.h"
#include "core/TvxProject.h"
#include "core/TvxShard.h"
#include "platform/files/FileProbe.h"
#include "platform/text/AsciiText.h"
#include "platform/text/EscapedText.h"
#include "platform/text/PathText.h"

namespace {

std::string Shown(const std::string& text) { return platform::EscapeControls(text); }

bool HasWildcard(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

// The folder part of a pattern source (with a pattern there is no file to
// look at, only the folder the search lists).
std::optional<std::string> FolderProblem(const std::string& folder) {
    const std::string shown = folder.empty() ? std::string(".") : folder;
    struct stat info {};
    if (::stat(shown.c_str(), &info) != 0) {
        if (errno == ENOENT) return "Source folder " + Shown(shown) + " does not exist";
        return "Cannot search the Source folder " + Shown(shown) + ": " + std::strerror(errno);
    }
    if (!S_ISDIR(info.st_mode)) return "Source folder " + Shown(shown) + " is not a folder";
    return std::nullopt;
}

std::optional<std::string> NamedPathProblem(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return "Source " + Shown(path) + " does not exist (no file, no folder)";
        return "Cannot read the Source " + Shown(path) + ": " + std::strerror(errno);
    }
    if (S_ISDIR(info.st_mode)) {
        std::string folder = path;
        if (folder.back() != '/') folder += '/';
        return "Source " + Shown(path) + " is a folder; name the files in it too, such as " +
               Shown(folder) + "*.chm";
    }
    return std::nullopt;  // a file; the job itself tells what is wrong with it
}

void CheckOptions(const TvxProject& project, TvxRunCheck& check) {
    const bool fromCommandLine = project.ProjectFile.empty() && !project.CmdOptions.empty();
    check.Warnings = options::CheckOptionLines(project.OptionLines(), fromCommandLine);
    if (const auto problem = ShardOptionProblem(project)) check.Errors.push_back(Shown(*problem));
    const std::string regExt = project.GetOption("RegExt");
    if (const auto problem = PatternProblem(regExt))
        check.Errors.push_back("RegExt \"" + Shown(regExt) +
                               "\" is not a valid regular expression: " + *problem);
    const std::string capNote =
        options::ThreadsCapNote(options::ChooseThreadsCount(project.GetThreadsCount()));
    if (!capNote.empty()) check.Warnings.push_back(capNote);
}

// Whether `path` lies in `folder`, or anywhere below it when `deep`; both
// resolved.
bool LiesIn(const std::string& path, const std::string& folder, bool deep) {
    const std::string base = platform::IncludeTrailingPathDelimiter(folder);
    if (path.size() <= base.size() || path.compare(0, base.size(), base) != 0) return false;
    return deep || path.find('/', base.size()) == std::string::npos;
}

// A file that is there and is no run log of an earlier run (a log is empty
// or begins with a job's status word): the log would replace it. A log the
// pattern takes is no source: the run keeps it out of its search.
bool HoldsOtherThanALog(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    if (!S_ISREG(info.st_mode)) return true;
    if (info.st_size == 0) return false;
    std::ifstream file(path, std::ios::binary);
    std::string head(11, '\0');
    file.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(file.gcount()));
    for (const char* word : {"Success => ", "Failure => ", "Running => "})
        if (head == word) return false;
    return true;
}

// The log as one of the help files the Source names.
bool TakenBySource(const TvxProject& project, const std::string& log) {
    const std::string source = TvxBatch::NormalizePath(project.GetSource());
    const std::string mask = platform::ExtractFileName(source);
    if (!HasWildcard(mask)) return !source.empty() && platform::ResolvedPath(source) == log;
    const std::string folder = platform::ExtractFilePath(source);
    if (!LiesIn(log, platform::ResolvedPath(folder.empty() ? "." : folder), project.GetSubdir()))
        return false;
    TvxMatch matcher;
    const std::string regExt = project.GetOption("RegExt");
    return matcher.MatchName(log, WildcardToRegex(mask)) &&
           (regExt.empty() || matcher.MatchName(log, regExt)) && HoldsOtherThanALog(log);
}

// The log named like a PDF among the PDFs: the run, or the next one, would
// write one over the other.
bool AmongTargets(const TvxProject& project, const std::string& log) {
    if (project.TargetExt.empty() || !platform::EndsWithNoCase(log, project.TargetExt))
        return false;
    const std::string target = TvxBatch::NormalizePath(project.GetTargetFolder());
    return !target.empty() && LiesIn(log, platform::ResolvedPath(target),
                                     project.GetSubdir() && project.GetKeepTargetSubdirs());
}

}  // namespace

std::optional<std::string> LogFileProblem(const TvxProject& project) {
    std::optional<TvxShard> shard;
    try {
        shard = ReadShardOption(project);
    } catch (const std::invalid_argument&) {
    }
    const std::string logFile = ShardLogFileName(project.GetOption("LogFile"), shard);
    if (logFile.empty()) return std::nullopt;
    const std::string log = platform::ResolvedPath(logFile);
    if (TakenBySource(project, log))
        return "LogFile " + Shown(logFile) +
               " is a help file the Source names; the run log would replace it";
    if (AmongTargets(project, log))
        return "LogFile " + Shown(logFile) +
               " lies among the PDF files the run writes into the Target folder; a PDF and "
               "the run log would replace each other";
    return std::nullopt;
}

std::optional<std::string> SourceProblem(const std::string& source) {
    if (source.empty())
        return "No Source is given; name the help files to convert, such as "
               "Source=/docs/*.chm";
    if (source.size() > MaxSourceLength)
        return "Source is " + std::to_string(source.size()) + " bytes long; a path holds at most " +
               std::to_string(MaxSourceLength);
    const std::string path = TvxBatch::NormalizePath(source);
    const auto slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (HasWildcard(name))
        return FolderProblem(slash == std::string::npos ? std::string()
                                                        : path.substr(0, slash + 1));
    return NamedPathProblem(path);
}

TvxRunCheck CheckRunStart(const TvxProject& project) {
    TvxRunCheck check;
    CheckOptions(project, check);
    if (const auto problem = SourceProblem(project.GetSource())) check.Errors.push_back(*problem);
    if (!check.Errors.empty()) return check;
    const std::string target = TvxBatch::NormalizePath(project.GetTargetFolder());
    if (const auto problem = platform::UnwritableFolderReason(target))
        check.Errors.push_back(Shown(*problem));
    else if (const auto clash = LogFileProblem(project))
        check.Errors.push_back(*clash);
    return check;
}
