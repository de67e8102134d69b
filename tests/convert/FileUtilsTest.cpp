#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "ScratchFolder.h"
#include "convert/TvxFileUtils.h"
#include "platform/ProcessRunner.h"

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

    std::string Program;
    std::vector<std::string> Args;
    std::string WorkingDir;
};

}  // namespace

TEST(RunAndWait, ReturnsTheExitCodeOfTheProgram) {
    EXPECT_EQ(0, TvxFileUtils::RunAndWait("/bin/true", "", "", TvxFileUtils::SwHide, 5));
    EXPECT_EQ(3, TvxFileUtils::RunAndWait("/bin/sh", "-c \"exit 3\"", "", TvxFileUtils::SwHide, 5));
}

TEST(RunAndWait, ReturnsOneWhenTheProgramCannotBeStarted) {
    EXPECT_EQ(1, TvxFileUtils::RunAndWait("/no/such/program", "", "", TvxFileUtils::SwHide, 5));
    EXPECT_EQ(1, TvxFileUtils::RunAndWait("/bin/true", "", "/no/such/folder", TvxFileUtils::SwHide, 5));
}

TEST(RunAndWait, RunsInTheWorkingFolderWithoutAShell) {
    ScratchFolder folder;
    // A shell would expand the star and the dollar; the program must get them as they are.
    const int code = TvxFileUtils::RunAndWait(
        "/bin/sh", "-c \"printf '%s|' \\\"$@\\\" > out.txt\" sh \"*$HOME\" \"a b\"", folder.Path(),
        TvxFileUtils::SwHide, 5);
    ASSERT_EQ(0, code);
    std::ifstream in(folder / "out.txt");
    std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ("*$HOME|a b|", written);
}

TEST(RunAndWait, KillsAProgramThatOutlivesItsTimeout) {
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(1, TvxFileUtils::RunAndWait("/bin/sleep", "30", "", TvxFileUtils::SwHide, 5,
                                          std::chrono::milliseconds(100)));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

TEST(RunAndWait, TheHelpProgramIsTheDecompilerBesideTheExecutable) {
    auto runner = std::make_shared<RecordingRunner>();
    platform::ScopedProcessRunner scoped(runner);
    TvxFileUtils::RunAndWait("HH.EXE", "-decompile . 1.chm", "/tmp/x", TvxFileUtils::SwHide, 5);
    EXPECT_EQ(TvxFileUtils::HelpProgramPath(), runner->Program);
    EXPECT_EQ("pellin-hh", std::filesystem::path(runner->Program).filename());
    EXPECT_EQ((std::vector<std::string>{"-decompile", ".", "1.chm"}), runner->Args);
    EXPECT_EQ("/tmp/x", runner->WorkingDir);
}

TEST(RunAndWait, AnEmptyWorkingFolderMeansTheProgramsOwnFolder) {
    auto runner = std::make_shared<RecordingRunner>();
    platform::ScopedProcessRunner scoped(runner);
    TvxFileUtils::RunAndWait("/opt/tools/prog", "", "", TvxFileUtils::SwHide, 5);
    EXPECT_EQ("/opt/tools/", runner->WorkingDir);
}

TEST(SplitParameters, BlanksSeparateAndQuotesGroup) {
    using V = std::vector<std::string>;
    EXPECT_EQ((V{"-decompile", ".", "1.chm"}), TvxFileUtils::SplitParameters("-decompile  . 1.chm "));
    EXPECT_EQ((V{"a b", "c", ""}), TvxFileUtils::SplitParameters("\"a b\" c \"\""));
    EXPECT_EQ((V{"xy"}), TvxFileUtils::SplitParameters("x\"y\""));
    EXPECT_EQ((V{"say \"hi\"", "c:\\x"}), TvxFileUtils::SplitParameters("\"say \\\"hi\\\"\" c:\\x"));
    EXPECT_TRUE(TvxFileUtils::SplitParameters("   ").empty());
}

TEST(ReadFileText, ReadsEveryByteUnchanged) {
    ScratchFolder folder;
    const std::string bytes("a\0b\r\n\xff\xfe", 7);
    const auto file = folder.Write("bin.dat", bytes);
    EXPECT_EQ(bytes, TvxFileUtils::ReadFileText(file));
    EXPECT_EQ("", TvxFileUtils::ReadFileText(folder.Write("empty.txt", "")));

    const std::string large(300 * 1024, 'z');
    EXPECT_EQ(large, TvxFileUtils::ReadFileText(folder.Write("large.txt", large)));
}

TEST(ReadFileText, AFileThatCannotBeOpenedRaisesTheFileOpenError) {
    ScratchFolder folder;
    try {
        TvxFileUtils::ReadFileText(folder / "missing.hhc");
        FAIL() << "no error raised";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(0, std::string(error.what()).rfind("Cannot open file \"" + (folder / "missing.hhc") + "\".", 0))
            << error.what();
    }
    EXPECT_THROW(TvxFileUtils::ReadFileText(folder.Path()), EFOpenError);
}
