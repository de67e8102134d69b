#pragma once
// The processor time (user and system) a process and its descendants have
// used, read from /proc. Limits meant for a stuck or looping program count
// this instead of the time on the wall, which a loaded machine stretches.

#include <sys/types.h>

#include <chrono>
#include <mutex>
#include <optional>
#include <vector>

namespace platform {

// A reading of processor time that tests replace.
class CpuMeter {
public:
    virtual ~CpuMeter() = default;
    // The time used so far; nothing when it cannot be read (the process ended).
    virtual std::optional<std::chrono::milliseconds> used() const = 0;
};

// The time used by `root` and by every live process below it, with the time
// of the children they have already waited for. Nothing when `root` is gone.
std::optional<std::chrono::milliseconds> ProcessTreeCpuTime(pid_t root);

// The time of one process tree, read a few times a second: it lists /proc
// (a few milliseconds on a busy machine) only every eighth reading or when a
// process of the tree has gone, and reads the stat files of the tree's own
// processes in between. A child started since the last listing is counted
// from the next one, or in its parent's time once it has been waited for.
class ProcessTreeCpuMeter final : public CpuMeter {
public:
    explicit ProcessTreeCpuMeter(pid_t root) : root_(root) {}
    std::optional<std::chrono::milliseconds> used() const override;

private:
    pid_t root_;
    mutable std::mutex mutex_;
    mutable std::vector<pid_t> tree_;
    mutable int readingsSinceListing_ = 0;
};

}  // namespace platform
