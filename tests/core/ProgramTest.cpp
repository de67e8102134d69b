// The built program run as a user runs it. A copy of it lives in a private
// folder, so the files it keeps beside itself land there.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "CoreTestSupport.h"

using coretest::Bytes;
using coretest::WriteBytes;
namespace fs = std::filesystem;

class Program : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path built = fs::path(PELLIN_BIN_DIR) / "pellin";
        if (!fs::exists(built)) GTEST_SKIP() << "the program is not built: " << built;
        fs::copy_file(built, exe);
        // Stands in for xdg-open and records what it was handed.
        WriteBytes(folder / "bin/xdg-open", "#!/bin/sh\necho \"$1\" >> \"$0.log\"\n");
        fs::permissions(folder / "bin/xdg-open", fs::perms::owner_all);
    }
    // Runs the copy without a desktop; returns its exit code.
    int Run(const std::string& param) {
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY PATH='" + folder / "bin" +
                                    ":/usr/bin:/bin' '" + exe + "' '" + param + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    coretest::TempFolder folder;
    std::string exe = folder / "bin/pellin";
};

TEST_F(Program, UninstallNoticeEndsAtOnceWithCodeZero) {
    EXPECT_EQ(Run("-U"), 0);
    // The launcher is not waited for: wait until its whole line is there.
    const auto logged = [&] {
        const std::string text = Bytes(folder / "bin/xdg-open.log");
        return !text.empty() && text.back() == '\n';
    };
    for (int i = 0; i < 300 && !logged(); ++i) usleep(10000);
    EXPECT_EQ(Bytes(folder / "bin/xdg-open.log"),
              "https://pellin.example/net/?a=uni&p=pellin&v=2025.17.420.2241\n");
}

TEST_F(Program, WindowlessRunOfAProjectRemembersIt) {
    fs::create_directories(folder / "docs");
    const std::string project = folder / "demo.batch-pellin";
    WriteBytes(project, "Source=" + folder / "docs/*.chm" + "\nTarget=" + folder / "out" +
                            "\nPureConsole=1\nLogFile=" + folder / "run.log\n");
    EXPECT_EQ(Run(project), 0);
    EXPECT_TRUE(fs::exists(folder / "run.log"));
    EXPECT_EQ(Bytes(folder / "bin/pellin.log"), project + "\r\n");
    EXPECT_EQ(Bytes(project).find('\r'), std::string::npos);  // the project is not rewritten
}
