#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "ScratchFolder.h"
#include "platform/process/ProcessRunner.h"
#include "platform/process/ShellLauncher.h"

namespace fs = std::filesystem;

namespace {

// Records what the launcher starts and releases; starts nothing.
class StartRecorder : public platform::ProcessRunner {
public:
    bool startable = true;
    std::string program;
    std::vector<std::string> args;
    std::vector<Handle> released;

    Handle Start(const std::string& p, const std::vector<std::string>& a,
                 const std::string&) override {
        program = p;
        args = a;
        return startable ? 42 : NoProcess;
    }
    std::optional<int> TryExitCode(Handle) override { return 0; }
    void Kill(Handle) override {}
    void Release(Handle process) override { released.push_back(process); }
};

}  // namespace

TEST(XdgOpenLauncher, StartsTheHandlerThroughTheProcessRunnerAndReleasesIt) {
    auto runner = std::make_shared<StartRecorder>();
    platform::ScopedProcessRunner scoped(runner);
    EXPECT_TRUE(platform::XdgOpenLauncher().Open("-report.html"));
    EXPECT_EQ("xdg-open", runner->program);
    EXPECT_EQ(std::vector<std::string>{"./-report.html"}, runner->args)
        << "a leading dash must not read as an option";
    EXPECT_EQ(std::vector<platform::ProcessRunner::Handle>{42}, runner->released);

    runner->startable = false;
    EXPECT_FALSE(platform::XdgOpenLauncher().Open("https://pellin.example"));
    EXPECT_EQ(1u, runner->released.size()) << "nothing started, nothing to release";
}

TEST(XdgOpenLauncher, TargetReachesTheHandlerAsOneArgumentWithoutAShell) {
    const testsupport::ScratchFolder scratch("shell-launcher");
    const fs::path& dir = scratch.Path();
    // A stand-in handler that writes its arguments, one per line.
    const fs::path handler = dir / "handler.sh", args = dir / "args";
    std::ofstream(handler) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > " << args << ".tmp && mv " << args
                           << ".tmp " << args << "\n";
    fs::permissions(handler, fs::perms::owner_all);

    platform::XdgOpenLauncher launcher(handler.string());
    ASSERT_TRUE(launcher.Open("https://pellin.example/?e=x y;$(touch z)"));
    for (int i = 0; i < 300 && !fs::exists(args); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(scratch.Read("args"), "https://pellin.example/?e=x y;$(touch z)\n");
}

TEST(XdgOpenLauncher, WhatTheHandlerPrintsStaysOffTheProgramsStreams) {
    const testsupport::ScratchFolder scratch("shell-launcher");
    const fs::path& dir = scratch.Path();
    const fs::path handler = dir / "handler.sh", done = dir / "done";
    std::ofstream(handler) << "#!/bin/sh\necho to-stdout\necho to-stderr >&2\ntouch " << done
                           << "\n";
    fs::permissions(handler, fs::perms::owner_all);

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const bool started = platform::XdgOpenLauncher(handler.string()).Open("https://pellin.example");
    for (int i = 0; i < 300 && !fs::exists(done); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(started);
    EXPECT_TRUE(fs::exists(done));
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
}

TEST(XdgOpenLauncher, MissingHandlerOrEmptyTargetReportsFalse) {
    EXPECT_FALSE(
        platform::XdgOpenLauncher("pellin-no-such-handler").Open("https://pellin.example"));
    EXPECT_FALSE(platform::XdgOpenLauncher("true").Open(""));
}
