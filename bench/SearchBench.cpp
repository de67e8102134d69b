// Search benchmark: builds a tree of 100,000 files in 1,000 folders, times a
// whole batch search with sub-folders against `find` over the same tree, then
// measures what the name filter costs per file.
//
//   pellin_search_bench [--keep-tree] [benchmark options]

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "batch/TvxBatch.h"
#include "batch/TvxMatch.h"
#include "core/TvxProject.h"
#include "regex/VBScriptRegex.h"

namespace fs = std::filesystem;

namespace {

constexpr int kGroups = 10;
constexpr int kFoldersPerGroup = 100;  // 1,000 leaf folders
constexpr int kFilesPerFolder = 100;   // 100,000 files

const std::string kSamplePath = "/data/help/group7/folder042/file57.chm";

std::string TreeRoot() {
    return (fs::temp_directory_path() / "pellin-search-bench").string() + "/";
}

void BuildTree(const std::string& root) {
    if (fs::exists(root + "done")) return;
    fs::remove_all(root);
    for (int g = 0; g < kGroups; ++g)
        for (int f = 0; f < kFoldersPerGroup; ++f) {
            const std::string folder =
                root + "group" + std::to_string(g) + "/folder" + std::to_string(f) + "/";
            fs::create_directories(folder);
            for (int n = 0; n < kFilesPerFolder; ++n)
                std::ofstream(folder + "file" + std::to_string(n) + ".chm");
        }
    std::ofstream(root + "done");
}

double Seconds(const std::chrono::steady_clock::duration& d) {
    return std::chrono::duration<double>(d).count();
}

// User plus system time of this process (all threads) or of its waited-for children.
double CpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Timing {
    double wall = 1e9;
    double cpu = 1e9;
    void Keep(double w, double c) {
        wall = std::min(wall, w);
        cpu = std::min(cpu, c);
    }
};

void TimeSearch(const std::string& root, int& jobs, Timing& timing) {
    const double cpuBefore = CpuSeconds(RUSAGE_SELF);
    const auto started = std::chrono::steady_clock::now();
    TvxBatch batch;
    batch.Start(root + "*.chm", root + "out", true);
    while (!batch.SearchDone.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const auto elapsed = std::chrono::steady_clock::now() - started;
    jobs = batch.NodeCount();
    timing.Keep(Seconds(elapsed), CpuSeconds(RUSAGE_SELF) - cpuBefore);
}

void TimeFind(const std::string& root, Timing& timing) {
    const std::string command = "find '" + root + "' -iname '*.chm' > /dev/null";
    const double cpuBefore = CpuSeconds(RUSAGE_CHILDREN);
    const auto started = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "find failed\n");
    timing.Keep(Seconds(std::chrono::steady_clock::now() - started),
                CpuSeconds(RUSAGE_CHILDREN) - cpuBefore);
}

void CompareWithFind() {
    const std::string root = TreeRoot();
    BuildTree(root);
    Timing search, find;
    TimeFind(root, find);  // warm the page cache for both contenders
    find = Timing();
    int jobs = 0;
    for (int round = 0; round < 3; ++round) {
        TimeSearch(root, jobs, search);
        TimeFind(root, find);
    }
    std::printf("tree: %d files in %d folders under %s\n",
                kGroups * kFoldersPerGroup * kFilesPerFolder, kGroups * kFoldersPerGroup,
                root.c_str());
    std::printf("best of 3          wall s   cpu s\n");
    std::printf("batch search       %6.3f  %6.3f   (Subdirs true, %d jobs)\n", search.wall,
                search.cpu, jobs);
    std::printf("find -iname        %6.3f  %6.3f\n", find.wall, find.cpu);
    std::printf("ratio search/find  %6.1f  %6.1f\n\n", search.wall / find.wall,
                search.cpu / find.cpu);
}

// Accept as the search calls it: the mask, and RegExt when set, each through
// a regular-expression object made for the one call.
void BM_AcceptMaskOnly(benchmark::State& state) {
    TvxBatch batch;
    batch.Mask = "*.chm";
    for (auto _ : state) benchmark::DoNotOptimize(batch.Accept(kSamplePath));
}
BENCHMARK(BM_AcceptMaskOnly);

void BM_AcceptMaskAndRegExt(benchmark::State& state) {
    TvxBatch batch;
    batch.Mask = "*.chm";
    batch.RegExt = "folder0[0-9]+";
    for (auto _ : state) benchmark::DoNotOptimize(batch.Accept(kSamplePath));
}
BENCHMARK(BM_AcceptMaskAndRegExt);

// The same match with one object made once and reused: what the per-file
// object creation costs is the difference to BM_AcceptMaskOnly.
void BM_ReusedRegexObject(benchmark::State& state) {
    auto regex = vbregex::Regex::Create(WildcardToRegex("*.chm"), vbregex::IgnoreCase);
    for (auto _ : state) benchmark::DoNotOptimize(regex->IsMatch(kSamplePath));
}
BENCHMARK(BM_ReusedRegexObject);

void BM_AcceptWithoutMatcher(benchmark::State& state) {
    TvxMatchBase* saved = vxMatch;
    vxMatch = nullptr;
    TvxBatch batch;
    batch.Mask = "*.chm";
    for (auto _ : state) benchmark::DoNotOptimize(batch.Accept(kSamplePath));
    vxMatch = saved;
}
BENCHMARK(BM_AcceptWithoutMatcher);

}  // namespace

int main(int argc, char** argv) {
    TvxProject project;
    TvxMatch match;
    vxProject = &project;
    vxMatch = &match;

    bool keepTree = false;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--keep-tree") keepTree = true;

    CompareWithFind();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    if (!keepTree) fs::remove_all(TreeRoot());
    vxMatch = nullptr;
    vxProject = nullptr;
    return 0;
}
