// A daemon window repeats its run for as long as it is left alone: its
// process must not collect open files or memory from round to round.

#include <unistd.h>

#include <vector>

#include "UiTestSupport.h"

namespace uitest {
namespace {

constexpr int kWait = 30000;  // ms; the rounds take milliseconds each

int OpenFileCount() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) ++count;
    return count;
}

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

class DaemonSoak : public UiTest {
protected:
    // Waits until the window has finished the given number of jobs and waits
    // for its next round.
    void WaitForIdleAfter(TvxFrmMain& window, int jobs) {
        QTRY_VERIFY_WITH_TIMEOUT(Script().jobsProcessed >= jobs && window.IsWaitingForDaemon(),
                                 kWait);
    }
};

// The least-squares slope of `values` over `rounds`: how much each round adds.
double Slope(const std::vector<double>& rounds, const std::vector<double>& values) {
    const double n = static_cast<double>(rounds.size());
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < rounds.size(); ++i) {
        sx += rounds[i];
        sy += values[i];
        sxx += rounds[i] * rounds[i];
        sxy += rounds[i] * values[i];
    }
    return (n * sxy - sx * sy) / (n * sxx - sx * sx);
}

TEST_F(DaemonSoak, ManyRoundsKeepOpenFilesAndMemoryFlat) {
    const std::string source = MakeSources({"a.chm", "b.chm", "bad.chm", "d.chm"});
    TvxFrmMain& window =
        MakeWindow({"Source=" + source + "*.chm", "Target=" + Path("out") + "/", "Daemon=100",
                    "ThreadsCount=2", "LogFile=" + Path("daemon.log")});
    window.show();
    constexpr int kJobsPerRound = 4;
    constexpr int kWarmUp = 5, kRounds = 100;
    WaitForIdleAfter(window, kWarmUp * kJobsPerRound);  // caches and pools fill
    const int files = OpenFileCount();

    // Resident memory after each round: a daemon repeats for weeks, so what
    // counts is the growth per round, not the total over a short test.
    std::vector<double> rounds, memory;
    for (int round = kWarmUp + 1; round <= kWarmUp + kRounds; ++round) {
        WaitForIdleAfter(window, round * kJobsPerRound);
        rounds.push_back(static_cast<double>(Script().jobsProcessed / kJobsPerRound));
        memory.push_back(static_cast<double>(ResidentKilobytes()));
    }
    EXPECT_LE(OpenFileCount(), files) << "files left open by " << kRounds << " rounds";
    // 2 kB a round is less than the pictures of one row cost (16 and 32
    // pixels square, about 5 kB). The address sanitizer holds freed memory
    // back on purpose, so there only the open files count.
#ifndef __SANITIZE_ADDRESS__
    EXPECT_LT(Slope(rounds, memory), 2.0) << "kB grown per round";
#endif
    EXPECT_FALSE(Bytes(Path("daemon.log")).empty());
    window.aStopExecute();
}

}  // namespace
}  // namespace uitest
