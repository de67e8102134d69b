#include "HhDecompile.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <iostream>
#include <stdexcept>

#include "ChmArchive.h"
#include "ExtractionFolder.h"
#include "Extractor.h"
#include "IsolatedRun.h"

namespace {

// The child reports its result as this base plus an HhExitCode, so any
// other way of ending (a sanitizer's or the runtime's own exit code) is
// never mistaken for a result.
constexpr int ChildCodeBase = 64;

void Complain(const std::string& chmFile, const std::string& problem) {
    std::cerr << "pellin-hh: " << chmFile << ": " << problem << '\n';
}

// A second bound behind the extraction's own accounting: the system stops
// any single file from growing past the whole output limit.
void LimitFileSize(std::uint64_t maxBytes) {
    const rlimit size{static_cast<rlim_t>(maxBytes), static_cast<rlim_t>(maxBytes)};
    ::setrlimit(RLIMIT_FSIZE, &size);
}

int ExtractAndReport(const HhOptions& options) {
    try {
        ExtractionFolder folder(options.Folder, options.ChmFile);
        auto archive = ChmArchive::Open(options.ChmFile);
        if (!archive) {
            Complain(options.ChmFile, "not a CHM file, or its header is damaged");
            return HhUnreadable;
        }
        ExtractionLimits limits;
        limits.MaxBytes = options.MaxBytes;
        LimitFileSize(options.MaxBytes);
        const ExtractionReport report = Extractor(*archive, folder, limits).Run();
        for (const auto& problem : report.Problems) Complain(options.ChmFile, problem);
        if (report.EntriesListed == 0) {
            // Every CHM file lists at least its internal entries.
            Complain(options.ChmFile, "the directory of the file lists no entries at all");
            return HhUnreadable;
        }
        return report.Complete() ? HhComplete : HhPartial;
    } catch (const SinkFull& full) {
        Complain(options.ChmFile, std::string(full.what()) + " (in " + options.Folder + ")");
        return HhFolderFull;
    } catch (const std::exception& error) {
        Complain(options.ChmFile, error.what());
        return HhUnusable;
    }
}

// Runs in the child: everything that touches the untrusted bytes.
int ExtractInChild(const HhOptions& options) { return ChildCodeBase + ExtractAndReport(options); }

int ExitCodeFor(const IsolatedOutcome& outcome, const HhOptions& options) {
    using Ending = IsolatedOutcome::Ending;
    switch (outcome.How) {
        case Ending::Exited:
            if (outcome.ExitCode >= ChildCodeBase + HhComplete &&
                outcome.ExitCode <= ChildCodeBase + HhFolderFull)
                return outcome.ExitCode - ChildCodeBase;
            Complain(options.ChmFile, "reading ended unexpectedly (exit code " +
                                          std::to_string(outcome.ExitCode) + ")");
            return HhUnreadable;
        case Ending::Signalled:
            Complain(options.ChmFile, "reading the file crashed with " +
                                          DescribeSignal(outcome.Signal) +
                                          "; the file is damaged or hostile");
            return HhUnreadable;
        case Ending::TimedOut:
            Complain(options.ChmFile, "reading took longer than " +
                                          std::to_string(options.TimeLimit.count()) +
                                          " s and was stopped");
            return HhUnreadable;
        case Ending::NotStarted:
            Complain(options.ChmFile, "cannot start the reading process");
            return HhUnusable;
        case Ending::Unknown:
            break;
    }
    Complain(options.ChmFile, "lost track of the reading process");
    return HhUnreadable;
}

}  // namespace

int Decompile(const HhOptions& options) {
    struct stat source {};
    if (::stat(options.ChmFile.c_str(), &source) != 0 || !S_ISREG(source.st_mode) ||
        ::access(options.ChmFile.c_str(), R_OK) != 0) {
        Complain(options.ChmFile, "cannot open the file");
        return HhUnusable;
    }
    const auto outcome =
        RunIsolated([&options] { return ExtractInChild(options); }, options.TimeLimit);
    const int code = ExitCodeFor(outcome, options);
    if (outcome.How != IsolatedOutcome::Ending::Exited && outcome.Process > 0)
        ExtractionFolder::RemoveUnfinished(options.Folder, outcome.Process);
    return code;
}

int RunHh(const std::vector<std::string>& args) {
    HhOptions options;
    try {
        options = ParseHhCommandLine(args);
    } catch (const std::invalid_argument& error) {
        std::cerr << "pellin-hh: " << error.what() << '\n' << HhUsage;
        return HhUnusable;
    }
    if (options.Help) {
        std::cout << HhUsage;
        return HhComplete;
    }
    return Decompile(options);
}
