// Runs the built pellin-hh on the shared sample files: real help files must
// come out whole; damaged and hostile ones must end with a clear error,
// never a crash, a hang or a write outside the folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "ToolTestSupport.h"

using namespace tooltest;
using ::testing::AllOf;
using ::testing::AnyOf;
using ::testing::Contains;
using ::testing::Eq;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

std::vector<fs::path> SamplesIn(const std::string& kind) {
    std::vector<fs::path> files;
    const fs::path folder = SharedChmFolder() / kind;
    if (!fs::is_directory(folder)) return files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".chm") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

#define SKIP_WITHOUT_SAMPLES(files)                                        \
    if ((files).empty()) {                                                 \
        GTEST_SKIP() << "no shared sample files in " << SharedChmFolder(); \
    }

bool HasUnfinishedFile(const fs::path& root) {
    for (const auto& name : TreeBelow(root))
        if (name.find(".pellin-hh.") != std::string::npos) return true;
    return false;
}

TEST(SharedSamplesTest, RealHelpFilesComeOutWhole) {
    const auto files = SamplesIn("real");
    SKIP_WITHOUT_SAMPLES(files);
    for (const auto& chm : files) {
        ScratchFolder scratch;
        const ProgramResult result =
            RunHh({"-decompile", (scratch.Path() / "out").string(), chm.string()});
        EXPECT_TRUE(result.Exited && result.ExitCode == 0) << chm << ": " << result.Errors;
        const auto tree = TreeBelow(scratch.Path() / "out");
        // Of the internal entries only "#SYSTEM" is written.
        EXPECT_THAT(tree, AllOf(Contains(HasSubstr(".htm")), Contains(Eq("#SYSTEM")),
                                Not(Contains(AllOf(StartsWith("#"), Not(Eq("#SYSTEM"))))),
                                Not(Contains(StartsWith("$")))))
            << chm;
    }
    // A contents file in a sub-folder, with blanks in its name.
    if (std::find(files.begin(), files.end(), SharedChmFolder() / "real/archmage-example.chm") !=
        files.end()) {
        ScratchFolder scratch;
        RunHh({"-decompile", scratch.Path().string(),
               (SharedChmFolder() / "real/archmage-example.chm").string()});
        EXPECT_TRUE(fs::is_regular_file(scratch.Path() / "Documents/Table of Contents.hhc"));
    }
}

// Every broken or hostile file: pellin-hh itself ends normally, with an
// exit code it documents and, when not 0, a message; nothing lands beside
// the folder and no unfinished file stays behind.
void ExpectContained(const std::vector<fs::path>& files) {
    const bool probeExisted = fs::exists("/tmp/probe-chm");
    for (const auto& chm : files) {
        ScratchFolder scratch;
        const fs::path out = scratch.Path() / "out";
        const auto started = std::chrono::steady_clock::now();
        const ProgramResult result =
            RunHh({"-timeout=60", "-decompile", out.string(), chm.string()});
        const auto took = std::chrono::steady_clock::now() - started;

        ASSERT_TRUE(result.Exited) << chm << " killed pellin-hh itself";
        EXPECT_THAT(result.ExitCode, AnyOf(Eq(0), Eq(2), Eq(3))) << chm << ": " << result.Errors;
        if (result.ExitCode != 0) {
            EXPECT_THAT(result.Errors, HasSubstr("pellin-hh: ")) << chm;
        }
        EXPECT_LT(took, std::chrono::seconds(30)) << chm;
        const auto beside = TreeBelow(scratch.Path());
        for (const auto& name : beside)
            EXPECT_TRUE(name.starts_with("out/") || name == "out/") << chm << ": " << name;
        EXPECT_FALSE(HasUnfinishedFile(scratch.Path())) << chm;
        if (chm.filename().string().starts_with("segv-")) {
            EXPECT_EQ(result.ExitCode, 3) << chm;
            EXPECT_THAT(result.Errors, AnyOf(HasSubstr("crashed"), HasSubstr("ended unexpectedly")))
                << chm;
        }
    }
    if (!probeExisted) {
        EXPECT_FALSE(fs::exists("/tmp/probe-chm"));
    }
}

TEST(SharedSamplesTest, DamagedFilesEndWithAClearError) {
    const auto files = SamplesIn("malformed");
    SKIP_WITHOUT_SAMPLES(files);
    ExpectContained(files);
}

TEST(SharedSamplesTest, HostileNamesNeverEscape) {
    const auto files = SamplesIn("hostile");
    SKIP_WITHOUT_SAMPLES(files);
    ExpectContained(files);
    for (const auto& chm : files) {
        // Files whose entry names are harmless: their threat is elsewhere.
        if (chm.filename() == "raw-benign.chm" || chm.filename() == "svg-outside-picture.chm")
            continue;
        ScratchFolder scratch;
        const ProgramResult result =
            RunHh({"-decompile", (scratch.Path() / "out").string(), chm.string()});
        EXPECT_EQ(result.ExitCode, 2) << chm;
        EXPECT_THAT(result.Errors, HasSubstr("refused entry")) << chm;
        EXPECT_THAT(TreeBelow(scratch.Path() / "out"), Contains("index.htm")) << chm;
    }
}

}  // namespace

// chmcmd names listing chunk 1 as the first although chunk 0 holds entries
// too: every page of both chunks is written.
TEST(SharedSamplesTest, AHelpFileOfChmcmdComesOutWithEveryPage) {
    const fs::path chm = SharedChmFolder() / "made/chmcmd-400.chm";
    if (!fs::exists(chm)) GTEST_SKIP() << "shared sample missing: " << chm;
    ScratchFolder scratch;
    const ProgramResult result =
        RunHh({"-decompile", (scratch.Path() / "out").string(), chm.string()});
    EXPECT_TRUE(result.Exited && result.ExitCode == 0) << result.Errors;
    const auto tree = TreeBelow(scratch.Path() / "out");
    const auto pages = std::count_if(tree.begin(), tree.end(), [](const std::string& name) {
        return name.size() == 8 && name.starts_with("p") && name.ends_with(".htm");
    });
    EXPECT_EQ(400, pages);
    EXPECT_TRUE(tree.count("p000.htm") && tree.count("p399.htm"));
}
