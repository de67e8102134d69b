#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "ScratchFolder.h"
#include "platform/process/ProcessLeftovers.h"

using testsupport::ScratchFolder;

namespace fs = std::filesystem;

namespace {

// A process number that was in use and is free again.
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

// This process's tag with another number or start time, on this machine.
std::string TagOf(pid_t pid, const std::string& start) {
    const std::string& own = platform::ProcessTag();
    const auto host = own.find('-', own.find('-') + 1) + 1;
    return std::to_string(pid) + "-" + start + "-" + own.substr(host);
}

}  // namespace

TEST(ProcessLeftovers, OnlyWhatEndedProcessesOfThisUserLeftIsRemoved) {
    ScratchFolder folder("leftovers");
    const pid_t endedPid = EndedProcess();
    const std::string ended = TagOf(endedPid, "1");
    // This process's number given to a process started at another time.
    const std::string reused = TagOf(::getpid(), "1");
    folder.Write("job-" + ended + "-0A/pages/a.htm", "x");
    folder.Write("job-" + reused + "-0B", "x");
    const std::vector<std::string> kept = {
        "job-" + platform::ProcessTag() + "-0C",                        // running
        "job-" + std::to_string(endedPid) + "-1-elsewhere.example-0D",  // another machine
        "other-" + ended + "-0E",                                       // another prefix
        "job-12ab-1-host-0F",
    };
    for (const auto& name : kept) folder.Write(name, "x");
    const bool asRoot = ::geteuid() == 0;
    if (asRoot) {
        folder.Write("job-" + ended + "-10", "another user's");
        ASSERT_EQ(0, ::chown((folder / ("job-" + ended + "-10")).c_str(), 12345, 12345));
    }

    EXPECT_TRUE(platform::TaggedProcessEnded(ended));
    EXPECT_FALSE(platform::TaggedProcessEnded(platform::ProcessTag()));
    platform::RemoveLeftoversOfEndedProcesses(folder.Path().string(), "job-");

    EXPECT_FALSE(fs::exists(folder / ("job-" + ended + "-0A")));
    EXPECT_FALSE(fs::exists(folder / ("job-" + reused + "-0B")));
    for (const auto& name : kept) EXPECT_TRUE(fs::exists(folder / name)) << name;
    if (asRoot) {
        EXPECT_TRUE(fs::exists(folder / ("job-" + ended + "-10")));
    }
}
