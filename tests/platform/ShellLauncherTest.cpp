#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/ShellLauncher.h"

namespace fs = std::filesystem;

TEST(XdgOpenLauncher, TargetReachesTheHandlerAsOneArgumentWithoutAShell) {
    const fs::path dir = fs::temp_directory_path() / "pellin-shell-launcher";
    fs::remove_all(dir);
    fs::create_directories(dir);
    // A stand-in handler that writes its arguments, one per line.
    const fs::path handler = dir / "handler.sh", args = dir / "args";
    std::ofstream(handler) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > " << args << ".tmp && mv " << args
                           << ".tmp " << args << "\n";
    fs::permissions(handler, fs::perms::owner_all);

    platform::XdgOpenLauncher launcher(handler.string());
    ASSERT_TRUE(launcher.Open("https://pellin.example/?e=x y;$(touch z)"));
    for (int i = 0; i < 300 && !fs::exists(args); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(args);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "https://pellin.example/?e=x y;$(touch z)\n");
    fs::remove_all(dir);
}

TEST(XdgOpenLauncher, WhatTheHandlerPrintsStaysOffTheProgramsStreams) {
    const fs::path dir = fs::temp_directory_path() / "pellin-shell-launcher-quiet";
    fs::remove_all(dir);
    fs::create_directories(dir);
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
    fs::remove_all(dir);
}

TEST(XdgOpenLauncher, MissingHandlerOrEmptyTargetReportsFalse) {
    EXPECT_FALSE(
        platform::XdgOpenLauncher("pellin-no-such-handler").Open("https://pellin.example"));
    EXPECT_FALSE(platform::XdgOpenLauncher("true").Open(""));
}
