// Runs the built pellin-hh on the committed fixtures.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "SmallDisk.h"
#include "ToolTestSupport.h"

using namespace tooltest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testsupport::SmallDisk;

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

TEST_F(PellinHhProgramTest, WritesEveryUserEntryAndOnlyTheSystemEntryOfTheInternalOnes) {
    const std::vector<std::pair<std::string, std::set<std::string>>> fixtures = {
        {"toc-basic.chm",
         {"#SYSTEM", "A&B.htm", "My Page.htm", "_#_README_#_", "a.htm", "b.htm", "images/",
          "images/pic.png", "index.hhk", "index.htm", "style.css", "toc.hhc"}},
        {"toc-subfolder.chm",
         {"#SYSTEM", "_#_README_#_", "html/", "html/intro.htm", "html/style.css", "html/toc.hhc",
          "html/topics/", "html/topics/detail.htm"}},
        {"no-toc.chm", {"#SYSTEM", "_#_README_#_", "first.htm", "second.htm"}},
        {"index-only.chm", {"#SYSTEM", "_#_README_#_", "alpha.htm", "beta.htm", "keywords.hhk"}},
    };
    for (const auto& [fixture, tree] : fixtures) {
        fs::remove_all(out);
        const ProgramResult result = Decompile(fixture);
        EXPECT_TRUE(result.Exited && result.ExitCode == 0) << fixture << ": " << result.Errors;
        EXPECT_THAT(result.Errors, IsEmpty());
        EXPECT_EQ(TreeBelow(out), tree) << fixture;
        // Each file holds exactly the bytes of its source in the project.
        const fs::path project = FixtureFile(fixture.substr(0, fixture.size() - 4));
        for (const auto& name : tree) {
            if (name.ends_with('/') || name.starts_with('#') || name == "_#_README_#_") continue;
            EXPECT_EQ(ReadBytes(out / name), ReadBytes(project / name)) << fixture << ": " << name;
        }
    }
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
                ElementsAre("out/", "out/#SYSTEM", "out/_#_README_#_", "out/good.htm", "out/sub/",
                            "out/sub/inner.htm"));
    EXPECT_THAT(result.Errors, HasSubstr("refused entry \"/sub/../../escape-sub.htm\""));
}

TEST_F(PellinHhProgramTest, ContentsPointingOutsideAreOnlyText) {
    // The container is sound; what its .hhc says is the converter's business.
    const ProgramResult result = Decompile("hostile-toc.chm");
    EXPECT_EQ(result.ExitCode, 0) << result.Errors;
    EXPECT_THAT(TreeBelow(scratch.Path()), ElementsAre("out/", "out/#SYSTEM", "out/_#_README_#_",
                                                       "out/safe.htm", "out/toc.hhc"));
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
        {{"-decompile", out.string(), (scratch.Path() / "none.chm").string()},
         "cannot open the file"},
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
    const ProgramResult result =
        RunHh({"-decompile", out.string(), (scratch.Path() / "page.chm").string()});
    EXPECT_EQ(result.ExitCode, 3);
    EXPECT_THAT(result.Errors, HasSubstr("not a CHM file"));
}

// A full disk is no fault of the help file: the extraction stops with its
// own code, names the folder and the cause, and leaves no unfinished file.
TEST_F(PellinHhProgramTest, AFullFolderEndsWithCodeFour) {
    fs::create_directories(out);
    SmallDisk disk(out.string(), 64 * 1024);
    if (!disk.Mounted()) GTEST_SKIP() << "a small disk needs root";
    disk.Fill("filler");
    const ProgramResult result = Decompile("toc-basic.chm");
    EXPECT_EQ(result.ExitCode, 4) << result.Errors;
    EXPECT_THAT(result.Errors, HasSubstr("No space left on device (in " + out.string() + ")"));
    EXPECT_THAT(TreeBelow(out), ElementsAre("filler"));
}

}  // namespace
