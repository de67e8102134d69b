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

TEST(XdgOpenLauncher, MissingHandlerOrEmptyTargetReportsFalse) {
    EXPECT_FALSE(
        platform::XdgOpenLauncher("pellin-no-such-handler").Open("https://pellin.example"));
    EXPECT_FALSE(platform::XdgOpenLauncher("true").Open(""));
}
