#include "platform/ShellLauncher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

// A stand-in handler that records its arguments, one per line.
std::string MakeRecordingHandler(const fs::path& dir) {
    const fs::path script = dir / "handler.sh";
    std::ofstream(script) << "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"" +
                                 (dir / "args").string() + ".tmp\"\nmv \"" +
                                 (dir / "args").string() + ".tmp\" \"" + (dir / "args").string() +
                                 "\"\n";
    fs::permissions(script, fs::perms::owner_all);
    return script.string();
}

std::string WaitForFile(const fs::path& path) {
    for (int i = 0; i < 200 && !fs::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

// The launcher runs a handler that records the arguments it was given.
class RecordedLaunch : public ::testing::Test {
protected:
    RecordedLaunch() : dir(fs::temp_directory_path() / "pellin-shell-launcher") {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~RecordedLaunch() override { fs::remove_all(dir); }
    std::string ArgumentsFor(const std::string& target) {
        platform::XdgOpenLauncher launcher(MakeRecordingHandler(dir));
        EXPECT_TRUE(launcher.Open(target));
        return WaitForFile(dir / "args");
    }
    fs::path dir;
};

TEST_F(RecordedLaunch, TargetIsOneArgumentAndNoShellReadsIt) {
    EXPECT_EQ(ArgumentsFor("https://pellin.example/net/?a=err&e=x y;$(touch z)"),
              "https://pellin.example/net/?a=err&e=x y;$(touch z)\n");
}

TEST_F(RecordedLaunch, DashedNameIsNotTakenForAnOption) {
    EXPECT_EQ(ArgumentsFor("--help"), "./--help\n");
}

TEST(XdgOpenLauncher, MissingHandlerOrEmptyTargetReportsFalse) {
    platform::XdgOpenLauncher missing("pellin-no-such-handler");
    EXPECT_FALSE(missing.Open("https://pellin.example"));
    platform::XdgOpenLauncher launcher("true");
    EXPECT_FALSE(launcher.Open(""));
}
