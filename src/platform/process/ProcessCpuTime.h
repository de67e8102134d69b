#pragma once
// The processor time (user and system) a process and its descendants have
// used, read from /proc. Limits meant for a stuck or looping program count
// this instead of the time on the wall, which a loaded machine stretches.

#include <sys/types.h>

#include <chrono>
#include <optional>

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

class ProcessTreeCpuMeter final : public CpuMeter {
public:
    explicit ProcessTreeCpuMeter(pid_t root) : root_(root) {}
    std::optional<std::chrono::milliseconds> used() const override {
        return ProcessTreeCpuTime(root_);
    }

private:
    pid_t root_;
};

}  // namespace platform
