#include "platform/process/ProcessCpuTime.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/process/ProcStat.h"

namespace platform {

namespace {

struct ProcessTimes {
    pid_t pid = 0;
    pid_t parent = 0;
    unsigned long long ticks = 0;  // own time and that of waited-for children
};

// Field 4 is the parent, 14 to 17 the user and system times of the process
// and of its waited-for children.
std::optional<ProcessTimes> ReadTimes(pid_t pid) {
    const auto fields = ProcStatFields(pid, 17);
    if (!fields) return std::nullopt;
    ProcessTimes times{pid, 0, 0};
    times.parent = static_cast<pid_t>(std::strtol((*fields)[4 - 3].c_str(), nullptr, 10));
    for (int field = 14; field <= 17; ++field)
        times.ticks += std::strtoull((*fields)[field - 3].c_str(), nullptr, 10);
    return times;
}

std::vector<ProcessTimes> AllProcesses() {
    std::vector<ProcessTimes> all;
    DIR* folder = ::opendir("/proc");
    if (!folder) return all;
    while (const dirent* entry = ::readdir(folder)) {
        char* end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (pid <= 0 || *end != '\0') continue;
        if (auto times = ReadTimes(static_cast<pid_t>(pid))) all.push_back(*times);
    }
    ::closedir(folder);
    return all;
}

std::chrono::milliseconds TicksToTime(unsigned long long ticks) {
    static const long perSecond = [] {
        const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
        return ticksPerSecond > 0 ? ticksPerSecond : 100;
    }();
    return std::chrono::milliseconds(static_cast<long long>(ticks * 1000 / perSecond));
}

// Lists /proc for the processes of the tree below `root` and their time.
std::optional<unsigned long long> ListTree(pid_t root, std::vector<pid_t>& tree) {
    const auto rootTimes = ReadTimes(root);
    if (!rootTimes) return std::nullopt;
    const std::vector<ProcessTimes> all = AllProcesses();
    tree.assign(1, root);
    unsigned long long ticks = rootTimes->ticks;
    // A parent is listed before its children only by chance: walk the tree
    // level by level until no process joins it.
    for (std::size_t next = 0; next < tree.size(); ++next) {
        for (const ProcessTimes& process : all) {
            if (process.parent != tree[next] || process.pid == root) continue;
            tree.push_back(process.pid);
            ticks += process.ticks;
        }
    }
    return ticks;
}

// The time of the processes listed before; nothing when one has gone or its
// number now belongs to a process outside the tree.
std::optional<unsigned long long> ReadListedTree(const std::vector<pid_t>& tree) {
    unsigned long long ticks = 0;
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const auto times = ReadTimes(tree[i]);
        if (!times) return std::nullopt;
        if (i > 0 && std::find(tree.begin(), tree.end(), times->parent) == tree.end())
            return std::nullopt;
        ticks += times->ticks;
    }
    return ticks;
}

}  // namespace

std::optional<std::chrono::milliseconds> ProcessTreeCpuTime(pid_t root) {
    std::vector<pid_t> tree;
    const auto ticks = ListTree(root, tree);
    if (!ticks) return std::nullopt;
    return TicksToTime(*ticks);
}

std::optional<std::chrono::milliseconds> ProcessTreeCpuMeter::used() const {
    constexpr int kReadingsPerListing = 8;
    std::lock_guard lock(mutex_);
    std::optional<unsigned long long> ticks;
    if (!tree_.empty() && ++readingsSinceListing_ < kReadingsPerListing)
        ticks = ReadListedTree(tree_);
    if (!ticks) {
        readingsSinceListing_ = 0;
        ticks = ListTree(root_, tree_);
    }
    if (!ticks) {
        tree_.clear();
        return std::nullopt;
    }
    return TicksToTime(*ticks);
}

}  // namespace platform
