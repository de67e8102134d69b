// The built program run as a user runs it. A copy of it lives in a private
// folder, so the files it keeps beside itself land there.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "CoreTestSupport.h"
#include "SmallDisk.h"

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
        fs::create_directories(folder / "tmp");
        fs::create_directories(folder / "docs");
    }
    // Runs the copy without a desktop; returns its exit code. Its standard
    // output and error land in Out() and Err().
    int Run(const std::string& param) {
        const std::string command = Environment() + " '" + exe + "' '" + param + "' > '" +
                                    folder / "out.txt" + "' 2> '" + folder / "err.txt" + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Environment() const {
        return "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM TMPDIR='" + folder / "tmp" +
               "' PATH='" + folder / "bin" + ":/usr/bin:/bin'";
    }
    std::string Out() const { return Bytes(folder / "out.txt"); }
    std::string Err() const { return Bytes(folder / "err.txt"); }
    // A decompiler beside the program that runs the given shell text.
    void FakeDecompiler(const std::string& script) {
        WriteBytes(folder / "bin/pellin-hh", "#!/bin/sh\n" + script + "\n");
        fs::permissions(folder / "bin/pellin-hh", fs::perms::owner_all);
    }
    std::string Options(const std::string& more) const {
        return "-P:Source=" + folder / "docs/*.chm" + ",Target=" + folder / "out" +
               ",PureConsole=1,LogFile=" + folder / "run.log" + more;
    }
    coretest::TempFolder folder;
    std::string exe = folder / "bin/pellin";
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

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

TEST_F(Program, WindowlessRunOfAProjectRemembersItAndAMarkedProjectKeepsItsFirstOption) {
    const std::string project = folder / "demo.batch-pellin";
    WriteBytes(project, "Source=" + folder / "docs/*.chm" + "\nTarget=" + folder / "out" +
                            "\nPureConsole=1\nLogFile=" + folder / "run.log\n");
    EXPECT_EQ(Run(project), 0);
    EXPECT_TRUE(fs::exists(folder / "run.log"));
    EXPECT_EQ(Bytes(folder / "bin/pellin.log"), project + "\r\n");
    EXPECT_EQ(Bytes(project).find('\r'), std::string::npos);  // the project is not rewritten

    const std::string marked = folder / "marked.batch-pellin";
    // Lost to the mark, PureConsole would send the program to the window,
    // which has no desktop here.
    WriteBytes(marked, "\xEF\xBB\xBFPureConsole=1\r\nSource=" + folder / "docs/*.chm" +
                           "\r\nTarget=" + folder / "out" + "\r\n");
    EXPECT_EQ(Run(marked), 0) << Err();
    EXPECT_TRUE(Contains(Err(), "0 converted, 0 failed, 0 skipped in ")) << Err();
}

TEST_F(Program, HelpAndVersionNeedNoDesktopAndGoToStandardOutput) {
    for (const char* param : {"--help", "-h"}) {
        EXPECT_EQ(Run(param), 0) << param;
        EXPECT_EQ(Out().rfind("Usage: pellin ", 0), 0u) << param;
        EXPECT_TRUE(Contains(Out(), "\n  ThreadsCount ")) << Out();
        EXPECT_TRUE(Contains(Out(), "Exit status")) << Out();
        EXPECT_EQ(Err(), "") << param;
    }
    EXPECT_EQ(Run("--version"), 0);
    EXPECT_EQ(Out(), "Pellin Convertor 2025.17.420.2241\n");
    EXPECT_EQ(Err(), "");
    // Output into a pipe nobody reads any more ends the program by its own
    // code, not by SIGPIPE (128 + 13).
    const std::string closed = "{ sleep 0.3; " + Environment() + " '" + exe +
                               "' --help; echo $? > '" + folder / "status" + "'; } | true";
    ASSERT_EQ(std::system(closed.c_str()), 0);
    EXPECT_NE(Bytes(folder / "status"), "141\n");
}

TEST_F(Program, ExitStatusTellsFailedJobsFromARunThatCouldNotStart) {
    FakeDecompiler("exit 0");  // writes no page: the job fails, no office is needed
    WriteBytes(folder / "docs/broken.chm", "not a help file");
    EXPECT_EQ(Run(Options("")), 2) << Err();
    EXPECT_TRUE(Contains(Bytes(folder / "run.log"), "Failure => " + folder / "docs/broken.chm"));
    EXPECT_TRUE(Contains(Err(), "] broken.chm failed: ")) << Err();
    EXPECT_TRUE(Contains(Err(), "0 converted, 1 failed, 0 skipped in ")) << Err();

    const std::string missing =
        "-P:Source=" + folder / "nowhere/*.chm" + ",Target=" + folder / "out" + ",PureConsole=1";
    EXPECT_EQ(Run(missing), 3);
    EXPECT_EQ(Err(), "Source folder " + folder / "nowhere/" + " does not exist\n");
    EXPECT_EQ(Run(Options(",RegExt=[")), 3);
    EXPECT_TRUE(Contains(Err(), "RegExt \"[\" is not a valid regular expression")) << Err();
}

TEST_F(Program, ARunLogOnAFullDiskEndsWithCodeOneSayingSoAndKeepsTheOldLog) {
    fs::create_directories(folder / "disk");
    testsupport::SmallDisk disk(folder / "disk", 64 * 1024);
    if (!disk.Mounted()) GTEST_SKIP() << "a small disk needs root";
    WriteBytes(folder / "disk/run.log", "the previous run's log");
    disk.Fill("filler");
    FakeDecompiler("exit 0");  // one failed job: a log line to write, no office needed
    WriteBytes(folder / "docs/broken.chm", "not a help file");
    EXPECT_EQ(Run("-P:Source=" + folder / "docs/*.chm" + ",Target=" + folder / "out" +
                  ",PureConsole=1,LogFile=" + folder / "disk/run.log"),
              1);
    EXPECT_TRUE(Contains(
        Err(), "Cannot write run.log in " + folder / "disk" + ": No space left on device\n"))
        << Err();
    EXPECT_EQ(Bytes(folder / "disk/run.log"), "the previous run's log");
}

TEST_F(Program, AnUnknownKeyIsWarnedAboutAndTheRunGoesOn) {
    EXPECT_EQ(Run(Options(",Subdirs=1")), 0);
    EXPECT_TRUE(Contains(Err(),
                         "Warning: Unknown option \"Subdirs\" is ignored; did you mean "
                         "\"Subdir\"?\n"))
        << Err();
    EXPECT_TRUE(fs::exists(folder / "run.log"));
}

// SIGTERM while the decompiler works: the decompiler is killed, the job
// folder removed, the run log written, and the program ends with 128 + 15.
TEST_F(Program, TermDuringARunLeavesNoJobFolderAndWritesTheLog) {
    FakeDecompiler("echo $$ > \"" + folder / "decompiler.pid" + "\"\nexec sleep 60");
    WriteBytes(folder / "docs/slow.chm", "ITSF");
    const std::string command = "exec " + Environment() + " '" + exe + "' '" + Options("") +
                                "' 2> '" + folder / "err.txt" + "'";
    pid_t shell = 0;
    const char* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
    ASSERT_EQ(posix_spawn(&shell, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ),
              0);
    const auto decompilerStarted = [&] { return !Bytes(folder / "decompiler.pid").empty(); };
    for (int i = 0; i < 2000 && !decompilerStarted(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(decompilerStarted());
    ASSERT_FALSE(fs::is_empty(folder / "tmp"));  // the job folder is there

    ::kill(shell, SIGTERM);  // the shell became the program (exec)
    int status = 0;
    ASSERT_EQ(::waitpid(shell, &status, 0), shell);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGTERM) << Err();
    EXPECT_TRUE(fs::is_empty(folder / "tmp"));
    EXPECT_EQ(Bytes(folder / "run.log"),
              "Failure => " + folder / "docs/slow.chm" + " => The run was stopped\r\n");
    const pid_t decompiler = std::stoi(Bytes(folder / "decompiler.pid"));
    EXPECT_NE(::kill(decompiler, 0), 0);  // killed, not left behind
    EXPECT_TRUE(Contains(Err(), "The run was stopped by signal 15")) << Err();
}
