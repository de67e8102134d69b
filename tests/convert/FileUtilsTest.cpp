#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "ScratchFolder.h"
#include "convert/chm/TvxFileUtils.h"
#include "platform/process/ProcessRunner.h"
#include "platform/process/StopRequest.h"

using testsupport::ScratchFolder;

namespace {

// Records what would be started instead of starting it.
class RecordingRunner : public platform::ProcessRunner {
public:
    Handle Start(const std::string& program, const std::vector<std::string>& args,
                 const std::string& workingDir) override {
        Program = program;
        Args = args;
        WorkingDir = workingDir;
        return 7;
    }
    std::optional<int> TryExitCode(Handle) override { return 0; }
    void Kill(Handle) override {}

    std::string Program, WorkingDir;
    std::vector<std::string> Args;
};

int Spawn(const std::string& program, const std::string& parameters,
          const std::string& folder = "") {
    return TvxFileUtils::RunAndWait(program, parameters, folder, TvxFileUtils::SwHide, 5);
}

}  // namespace

TEST(RunAndWait, ReturnsTheExitCodeOrOneWhenNothingCouldBeStarted) {
    EXPECT_EQ(0, Spawn("/bin/true", ""));
    EXPECT_EQ(3, Spawn("/bin/sh", "-c \"exit 3\""));
    EXPECT_EQ(1, Spawn("/no/such/program", ""));
    EXPECT_EQ(1, Spawn("/bin/true", "", "/no/such/folder"));
}

TEST(RunAndWait, PassesParametersUnchangedToAProgramInTheWorkingFolder) {
    ScratchFolder folder;
    // A shell would expand the star and the dollar; the program must get them as they are.
    ASSERT_EQ(0, Spawn("/bin/sh", "-c \"printf '%s|' \\\"$@\\\" > out.txt\" sh \"*$HOME\" \"a b\"",
                       folder.Path().string()));
    EXPECT_EQ("*$HOME|a b|", TvxFileUtils::ReadFileText(folder / "out.txt"));
}

TEST(RunAndWait, KillsAProgramThatOutlivesItsTimeout) {
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(1, TvxFileUtils::RunAndWait("/bin/sleep", "30", "", TvxFileUtils::SwHide, 5,
                                          std::chrono::milliseconds(100)));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

TEST(RunAndWait, AStopRequestKillsTheProgramAndEndsTheWait) {
    std::thread stopper([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        platform::RequestStop();
    });
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(1, TvxFileUtils::RunAndWait("/bin/sleep", "30", "", TvxFileUtils::SwHide, 5));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    stopper.join();
    platform::ClearStopRequest();
}

TEST(RunAndWait, TheHelpProgramIsTheDecompilerBesideTheExecutable) {
    auto runner = std::make_shared<RecordingRunner>();
    platform::ScopedProcessRunner scoped(runner);
    Spawn("HH.EXE", "-decompile . 1.chm", "/tmp/x");
    EXPECT_EQ("pellin-hh", std::filesystem::path(runner->Program).filename());
    EXPECT_EQ((std::vector<std::string>{"-decompile", ".", "1.chm"}), runner->Args);
    EXPECT_EQ("/tmp/x", runner->WorkingDir);
    Spawn("/opt/tools/prog", "");
    EXPECT_EQ("/opt/tools/", runner->WorkingDir);  // the program's own folder
}

TEST(SplitParameters, BlanksSeparateAndQuotesGroup) {
    using V = std::vector<std::string>;
    EXPECT_EQ((V{"-decompile", ".", "1.chm"}),
              TvxFileUtils::SplitParameters(" -decompile  . 1.chm "));
    EXPECT_EQ((V{"a b", "c", ""}), TvxFileUtils::SplitParameters("\"a b\" c \"\""));
    EXPECT_EQ((V{"say \"hi\"", "c:\\x"}),
              TvxFileUtils::SplitParameters("\"say \\\"hi\\\"\" c:\\x"));
}

TEST(ReadFileText, ReadsEveryByteOrRaisesTheFileOpenError) {
    ScratchFolder folder;
    const std::string bytes = std::string("a\0b\r\n\xff", 6) + std::string(200 * 1024, 'z');
    EXPECT_EQ(bytes, TvxFileUtils::ReadFileText(folder.Write("bin.dat", bytes)));
    EXPECT_EQ("", TvxFileUtils::ReadFileText(folder.Write("empty.txt", "")));
    try {
        TvxFileUtils::ReadFileText(folder / "missing.hhc");
        ADD_FAILURE() << "no error raised";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(0u, std::string(error.what())
                          .rfind("Cannot open file \"" + (folder / "missing.hhc") + "\".", 0));
    }
    EXPECT_THROW(TvxFileUtils::ReadFileText(folder.Path().string()), EFOpenError);
}
