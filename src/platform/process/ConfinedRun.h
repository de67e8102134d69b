#pragma once
// Running a helper program that reads untrusted data, so that whatever it
// meets costs only that run: it gets a processor-time limit and an address-space
// limit, writes no core dump, dies with the thread that started it, and runs
// in a process group of its own, which a stop of the whole process
// (platform::RequestStop) kills. What it writes on standard output is
// handed back, also when it died half way.

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace platform {

struct ConfinedLimits {
    // Processor time of the child (whole seconds, rounded up). The wall clock
    // allows WallCeiling times as much, so a busy machine does not cut a
    // child short while one that waits for nothing still ends.
    std::chrono::milliseconds Time{std::chrono::minutes(5)};
    int WallCeiling = 4;
    // Address space of the child; 0 sets none. Ignored in a build with
    // AddressSanitizer, whose shadow memory needs far more.
    std::size_t AddressSpace = std::size_t{4} << 30;
    std::size_t OutputBytes = std::size_t{256} << 20;  // more ends the child
};

struct ConfinedResult {
    bool Started = false;
    bool Exited = false;  // ended on its own with ExitCode
    int ExitCode = 0;
    int Signal = 0;         // the signal that ended it, when it did not exit
    bool TimedOut = false;  // ended at the processor-time limit or the wall ceiling
    bool Stopped = false;   // killed because the process is stopping
    bool TooMuchOutput = false;
    std::string Output;  // standard output, as far as it came
};

// Starts `program` with `args` in `workingDir` (standard input and error on
// /dev/null) and waits for its end under `limits`.
ConfinedResult RunConfined(const std::string& program, const std::vector<std::string>& args,
                           const std::string& workingDir, const ConfinedLimits& limits);

}  // namespace platform
