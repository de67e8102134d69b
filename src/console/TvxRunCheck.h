#pragma once
// What a windowless run checks before its first job, so that nothing is
// silently ignored: the option lines, the RegExt pattern, the Source and the
// Target folder. Warnings leave the run going; any error keeps it from
// starting. Every text is ready to print (names escaped).

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class TvxProject;

struct TvxRunCheck {
    std::vector<std::string> Warnings;
    std::vector<std::string> Errors;
    bool CanStart() const { return Errors.empty(); }
};

// A path longer than this is refused: no file system takes one, and the
// search would only fail on it later, silently.
inline constexpr std::size_t MaxSourceLength = 4096;

// Runs every check in order; the Target folder is checked (and created)
// only when nothing before has failed, the LogFile last.
TvxRunCheck CheckRunStart(const TvxProject& project);

// Why the Source names nothing to convert: empty, too long, missing, or a
// folder without a file pattern. Nothing when the search can begin.
std::optional<std::string> SourceProblem(const std::string& source);

// Why writing the run log would destroy a file the run reads or writes:
// LogFile reaches (also through links) the Source help file, a file the
// Source pattern takes that is no earlier run log, or a file with the target
// extension where the run writes its PDFs. Nothing when it reaches none of
// them, or is not given.
std::optional<std::string> LogFileProblem(const TvxProject& project);
