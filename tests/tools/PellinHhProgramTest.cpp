// Runs the built pellin-hh on the committed fixtures.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ToolTestSupport.h"

using namespace tooltest;
using ::testing::AllOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

class PellinHhProgramTest : public ::testing::Test {
protected:
    ScratchFolder scratch;
    fs::path out = scratch.Path() / "out";

    ProgramResult Decompile(const std::string& fixture, std::vector<std::string> options = {}) {
        options.insert(options.end(), {"-decompile", out.string(), FixtureFile(fixture).string()});
        return RunHh(options);
    }
};

TEST_F(PellinHhProgramTest, WritesEveryUserEntryOfAPlainHelpFile) {
    const ProgramResult result = Decompile("toc-basic.chm");
    ASSERT_TRUE(result.Exited);
    EXPECT_EQ(result.ExitCode, 0) << result.Errors;
    EXPECT_THAT(result.Errors, IsEmpty());
    EXPECT_THAT(TreeBelow(out), ElementsAre("A&B.htm", "My Page.htm", "_#_README_#_", "a.htm", "b.htm", "images/",
                                            "images/pic.png", "index.hhk", "index.htm", "style.css", "toc.hhc"));
    const fs::path project = FixtureFile("toc-basic");
    for (const char* file : {"toc.hhc", "images/pic.png", "My Page.htm", "A&B.htm", "style.css"})
        EXPECT_EQ(ReadBytes(out / file), ReadBytes(project / file)) << file;
}

TEST_F(PellinHhProgramTest, KeepsTheContentsFileInItsSubFolder) {
    const ProgramResult result = Decompile("toc-subfolder.chm");
    EXPECT_EQ(result.ExitCode, 0) << result.Errors;
    EXPECT_THAT(TreeBelow(out), AllOf(Contains("html/toc.hhc"), Contains("html/topics/detail.htm")));
    EXPECT_EQ(ReadBytes(out / "html/toc.hhc"), ReadBytes(FixtureFile("toc-subfolder/html/toc.hhc")));
}

TEST_F(PellinHhProgramTest, HelpFilesWithoutContentsAreComplete) {
    EXPECT_EQ(Decompile("no-toc.chm").ExitCode, 0);
    EXPECT_THAT(TreeBelow(out), ElementsAre("_#_README_#_", "first.htm", "second.htm"));
    fs::remove_all(out);
    EXPECT_EQ(Decompile("index-only.chm").ExitCode, 0);
    EXPECT_THAT(TreeBelow(out), Contains("keywords.hhk"));
}

TEST_F(PellinHhProgramTest, RunsTheWayTheConverterCallsIt) {
    fs::create_directories(out);
    fs::copy_file(FixtureFile("cyrillic.chm"), out / "1.chm");
    const ProgramResult result = RunHh({"-decompile", ".", "1.chm"}, out);
    EXPECT_EQ(result.ExitCode, 0) << result.Errors;
    EXPECT_EQ(ReadBytes(out / "page.htm"), ReadBytes(FixtureFile("cyrillic/page.htm")));
    EXPECT_EQ(ReadBytes(out / "1.chm"), ReadBytes(FixtureFile("cyrillic.chm")));
}

TEST_F(PellinHhProgramTest, EscapingNamesAreRefusedAndTheRestWritten) {
    const ProgramResult result = Decompile("hostile-names.chm");
    ASSERT_TRUE(result.Exited);
    EXPECT_EQ(result.ExitCode, 2);
    EXPECT_THAT(TreeBelow(scratch.Path()),
                ElementsAre("out/", "out/_#_README_#_", "out/good.htm", "out/sub/", "out/sub/inner.htm"));
    EXPECT_THAT(result.Errors, HasSubstr("refused entry \"/sub/../../escape-sub.htm\""));
}

TEST_F(PellinHhProgramTest, ContentsPointingOutsideAreOnlyText) {
    // The container is sound; what its .hhc says is the converter's business.
    const ProgramResult result = Decompile("hostile-toc.chm");
    EXPECT_EQ(result.ExitCode, 0) << result.Errors;
    EXPECT_THAT(TreeBelow(scratch.Path()), ElementsAre("out/", "out/_#_README_#_", "out/safe.htm", "out/toc.hhc"));
}

TEST_F(PellinHhProgramTest, OutputIsBounded) {
    const ProgramResult result = Decompile("toc-basic.chm", {"-max-bytes=3000"});
    EXPECT_EQ(result.ExitCode, 2);
    EXPECT_THAT(result.Errors, HasSubstr("limit of 3000 bytes"));
    std::uintmax_t written = 0;
    for (const auto& entry : fs::recursive_directory_iterator(out))
        if (entry.is_regular_file()) written += entry.file_size();
    EXPECT_LE(written, 3000u);
}

TEST_F(PellinHhProgramTest, UnusableCallsEndWithCodeOne) {
    const std::string chm = FixtureFile("no-toc.chm").string();
    WriteBytes(scratch.Path() / "file", "x");
    const std::vector<std::pair<std::vector<std::string>, std::string>> calls = {
        {{}, "usage:"},
        {{"-decompile", out.string()}, "needs a folder and a file"},
        {{"-timeout=0", "-decompile", out.string(), chm}, "bad value"},
        {{"-max-bytes=1k", "-decompile", out.string(), chm}, "bad value"},
        {{"-decompile", out.string(), chm, "extra"}, "unknown argument"},
        {{"-decompile", out.string(), (scratch.Path() / "none.chm").string()}, "cannot open the file"},
        {{"-decompile", (scratch.Path() / "file").string(), chm}, "cannot open the folder"},
    };
    for (const auto& [args, message] : calls) {
        const ProgramResult result = RunHh(args);
        EXPECT_EQ(result.ExitCode, 1) << message;
        EXPECT_THAT(result.Errors, HasSubstr(message));
    }
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(PellinHhProgramTest, NotAHelpFileEndsWithCodeThree) {
    WriteBytes(scratch.Path() / "page.chm", "<html>not a help file</html>");
    const ProgramResult result = RunHh({"-decompile", out.string(), (scratch.Path() / "page.chm").string()});
    EXPECT_EQ(result.ExitCode, 3);
    EXPECT_THAT(result.Errors, HasSubstr("not a CHM file"));
}

}  // namespace
