#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>

#include "ScratchFolder.h"
#include "convert/ChmDecompilation.h"
#include "convert/TvxFileUtils.h"
#include "platform/ProcessRunner.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Paths = std::vector<std::string>;

namespace {

// Stands in for the decompiler: writes a prepared tree into the folder it is
// started in, and remembers how it was started.
class FakeDecompiler : public platform::ProcessRunner {
public:
    std::map<std::string, std::string> Files;  // relative path -> content
    std::string Program, WorkingDir, CopiedChm;
    std::vector<std::string> Args;

    Handle Start(const std::string& program, const std::vector<std::string>& args,
                 const std::string& workingDir) override {
        Program = program;
        Args = args;
        WorkingDir = workingDir;
        std::error_code ec;
        if (fs::exists(workingDir + "/1.chm", ec))
            CopiedChm = TvxFileUtils::ReadFileText(workingDir + "/1.chm");
        for (const auto& [name, content] : Files) {
            const fs::path file = fs::path(workingDir) / name;
            fs::create_directories(file.parent_path());
            std::ofstream(file, std::ios::binary) << content;
        }
        return 1;
    }
    std::optional<int> TryExitCode(Handle) override { return 0; }
    void Kill(Handle) override {}
};

std::string Local(const std::string& value) {
    return "<param name=\"Local\" value=\"" + value + "\">\n";
}

TvxDecompileSettings Quick() {
    TvxDecompileSettings settings;
    settings.SearchWait = 1ms;
    settings.ReadRetryWait = 1ms;
    settings.ReadRetryLimit = 50ms;
    return settings;
}

// One job's temporary folder, removed at the end of the test.
struct JobFolder {
    TvxChmJobState state;
    explicit JobFolder(int index = 0) { MakeTempFolder(state, index); }
    ~JobFolder() {
        RemoveTempFolder(state);
        WaitForTempFolderRemovals(10s);
    }
    std::string operator/(const std::string& relative) const { return state.TempFolder + relative; }
};

class DecompileChmTest : public ::testing::Test {
protected:
    std::shared_ptr<FakeDecompiler> decompiler = std::make_shared<FakeDecompiler>();
    platform::ScopedProcessRunner scoped{decompiler};
    ScratchFolder source;
    std::string chm = source.Write("guide.chm", "ITSF fake help file");
    JobFolder job;

    void Decompile(const TvxDecompileSettings& settings = Quick()) {
        DecompileChm(chm, job.state, settings);
    }
};

}  // namespace

TEST(MakeTempFolder, NamesTheFolderAfterTickAndJobIndexAndNeverSharesOne) {
    JobFolder ten(10), big(300);
    const fs::path tenPath = ten.state.TempFolderName;
    EXPECT_EQ(fs::temp_directory_path(), tenPath.parent_path());
    EXPECT_TRUE(std::regex_match(tenPath.filename().string(), std::regex("[0-9A-F]{4,8}0A")));
    EXPECT_TRUE(std::regex_match(fs::path(big.state.TempFolderName).filename().string(),
                                 std::regex("[0-9A-F]{4,8}12C")));
    EXPECT_EQ(ten.state.TempFolderName + "/", ten.state.TempFolder);

    // Jobs of one index made within the same millisecond still get folders of their own.
    std::vector<std::unique_ptr<JobFolder>> jobs;
    std::set<std::string> names;
    for (int i = 0; i < 20; ++i) {
        jobs.push_back(std::make_unique<JobFolder>(5));
        names.insert(jobs.back()->state.TempFolderName);
    }
    EXPECT_EQ(20u, names.size());
}

TEST(RemoveTempFolder, RemovesAJobFolderInTheBackgroundAndNothingElse) {
    TvxChmJobState state;
    MakeTempFolder(state, 1);
    fs::create_directories(state.TempFolder + "sub/deeper");
    RemoveTempFolder(state);

    ScratchFolder scratch;
    const auto kept = scratch.Write("nested/keep.htm", "x");
    for (const std::string& folder :
         {std::string(), std::string("/"), fs::temp_directory_path().string(), scratch / "nested",
          scratch / "nested/../nested/", scratch / ".."}) {
        TvxChmJobState other;
        other.TempFolder = folder + "/";
        other.TempFolderName = folder;
        RemoveTempFolder(other);
    }
    ASSERT_TRUE(WaitForTempFolderRemovals(10s));
    EXPECT_FALSE(fs::exists(state.TempFolderName));
    EXPECT_TRUE(fs::exists(kept));
}

TEST_F(DecompileChmTest, CopiesTheSourceAndRunsTheDecompilerInTheJobFolder) {
    decompiler->Files = {{"toc.hhc", Local("a.htm")}, {"a.htm", "A"}};
    auto settings = Quick();
    settings.SearchWait = 400ms;
    const auto started = std::chrono::steady_clock::now();
    Decompile(settings);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 300ms);  // found at the first search
    EXPECT_EQ(TvxFileUtils::HelpProgramPath(), decompiler->Program);
    EXPECT_EQ((Paths{"-decompile", ".", "1.chm"}), decompiler->Args);
    EXPECT_EQ(job.state.TempFolderName, decompiler->WorkingDir);
    EXPECT_EQ("ITSF fake help file", decompiler->CopiedChm);
    EXPECT_EQ((Paths{job / "a.htm"}), job.state.TopicFiles);
}

TEST_F(DecompileChmTest, ATableOfContentsNamedInsideTheHelpFileIsFoundInItsSubFolder) {
    const char bytes[] = "ITSF\0\0/html/toc.hhc\0\x80/html/intro.htm";
    chm = source.Write("sub.chm", std::string(bytes, sizeof bytes - 1));
    decompiler->Files = {
        {"html/toc.hhc", Local("intro.htm") + Local("topics/detail.htm") + Local("../top.htm")},
        {"html/intro.htm", ""},
        {"html/topics/detail.htm", ""},
        {"top.htm", ""},
        {"other/zzz.hhc", Local("top.htm")}};
    auto settings = Quick();
    settings.SearchWait = 200ms;
    const auto started = std::chrono::steady_clock::now();
    Decompile(settings);
    EXPECT_GE(std::chrono::steady_clock::now() - started,
              400ms);  // two waits between three searches
    EXPECT_EQ((Paths{job / "html/intro.htm", job / "html/topics/detail.htm", job / "top.htm"}),
              job.state.TopicFiles);
}

TEST_F(DecompileChmTest, LinksLeavingTheFolderNeverBecomeTopics) {
    ScratchFolder outside;
    const auto secret = outside.Write("secret.htm", "not for the document");
    const std::string climb = "../" + fs::path(outside.Path()).filename().string() + "/secret.htm";
    decompiler->Files = {
        {"toc.hhc", Local(climb) + Local("sub/../../x/../" + climb) + Local("../../etc/passwd") +
                        Local(secret) + Local("safe.htm")},
        {"safe.htm", ""}};
    Decompile();
    for (const auto& topic : job.state.TopicFiles)
        EXPECT_EQ(0u, topic.rfind(job.state.TempFolder, 0)) << topic;
    EXPECT_EQ(job / "safe.htm", job.state.TopicFiles.back());
}

TEST_F(DecompileChmTest, AnUnreadableTableOfContentsIsRetriedThenFailsTheJob) {
    decompiler->Files = {{"toc.hhc", Local("a.htm")}, {"a.htm", ""}};
    auto settings = Quick();
    int failuresLeft = 3;
    settings.ReadFile = [&](const std::string& path) {
        if (failuresLeft-- > 0) throw std::runtime_error("locked");
        return TvxFileUtils::ReadFileText(path);
    };
    settings.ReadRetryLimit = 10s;
    Decompile(settings);
    EXPECT_EQ((Paths{job / "a.htm"}), job.state.TopicFiles);

    failuresLeft = 1000000;
    settings.ReadRetryLimit = 50ms;
    JobFolder other(2);
    try {
        DecompileChm(chm, other.state, settings);
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ("The table of contents could not be read: locked", error.what());
    }
}

TEST_F(DecompileChmTest, WithoutUsableContentsTheIndexGivesTheTopicsInItsOrder) {
    chm = source.Write("idx.chm", "ITSF /toc.hhc");
    decompiler->Files = {
        {"toc.hhc", Local("gone.htm")},
        {"keywords.hhk", Local("beta.htm") + Local("alpha.htm") + Local("beta.htm#k")},
        {"alpha.htm", ""},
        {"beta.htm", ""}};
    Decompile();
    EXPECT_EQ((Paths{job / "beta.htm", job / "alpha.htm"}), job.state.TopicFiles);
}

TEST_F(DecompileChmTest, AHelpFileWithoutAnyPageFailsTheJob) {
    decompiler->Files = {{"style.css", ""}};
    try {
        Decompile();
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ("No topic found in the help file", error.what());
    }
    JobFolder fresh;
    // The name of the contents is looked for in the copy, which is missing.
    EXPECT_THROW(DecompileChm(source / "missing.chm", fresh.state, Quick()), EFOpenError);

    decompiler->Program.clear();
    TvxChmJobState none;  // no folder: nothing may be written anywhere else
    EXPECT_THROW(DecompileChm(chm, none, Quick()), std::runtime_error);
    EXPECT_TRUE(decompiler->Program.empty());
}

// The same steps with the real decompiler on help files made by help compilers.
namespace {

const std::string Decompiler = std::string(PELLIN_BIN_DIR) + "/pellin-hh";

class RealDecompileTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(Decompiler)) GTEST_SKIP() << "decompiler not built: " << Decompiler;
    }

    // Decompiles `chm` and returns the topics that exist, relative to the job folder.
    Paths Topics(const std::string& chm) {
        if (!fs::exists(chm)) {
            skipped = true;
            return {};
        }
        JobFolder job;
        auto settings = Quick();
        settings.HelpProgram = Decompiler;
        DecompileChm(chm, job.state, settings);
        Paths relative;
        for (const auto& topic : job.state.TopicFiles) {
            EXPECT_EQ(0u, topic.rfind(job.state.TempFolder, 0)) << topic;
            if (fs::is_regular_file(topic))
                relative.push_back(topic.substr(job.state.TempFolder.size()));
        }
        return relative;
    }

    bool skipped = false;
};

std::string Fixture(const std::string& name) {
    return std::string(PELLIN_SOURCE_DIR) + "/tests/fixtures/" + name;
}
std::string Shared(const std::string& name) {
    return std::string(PELLIN_SHARED_DIR) + "/chm/" + name;
}

}  // namespace

TEST_F(RealDecompileTest, CompiledFixturesGiveTheirTopicsInContentsOrder) {
    EXPECT_EQ((Paths{"index.htm", "a.htm", "b.htm", "My Page.htm", "A&B.htm"}),
              Topics(Fixture("toc-basic.chm")));
    EXPECT_EQ((Paths{"html/intro.htm", "html/topics/detail.htm"}),
              Topics(Fixture("toc-subfolder.chm")));
    EXPECT_EQ((Paths{"alpha.htm", "beta.htm"}), Topics(Fixture("index-only.chm")));
    EXPECT_EQ((Paths{"first.htm", "second.htm"}), Topics(Fixture("no-toc.chm")));
    EXPECT_EQ((Paths{"safe.htm"}), Topics(Fixture("hostile-toc.chm")));
    if (skipped) GTEST_SKIP() << "a fixture is missing below " << Fixture("");
}

TEST_F(RealDecompileTest, PublicHelpFilesAllGiveExistingTopics) {
    // The contents of archmage's example lie in a sub-folder with blanks in its
    // name, which the scan of the bytes cuts short; its links climb with "../".
    const auto archmage = Topics(Shared("real/archmage-example.chm"));
    if (skipped) GTEST_SKIP() << "shared samples missing: " << Shared("");
    ASSERT_FALSE(archmage.empty());
    EXPECT_NE(archmage.end(), std::find(archmage.begin(), archmage.end(), "page 1.html"));

    for (const char* name : {"real/pychm-combined.chm", "real/pychm-combined2.chm",
                             "real/dreamvb-mybasic-help.chm", "real/aoe-minder-help.chm",
                             "real/faxir-courseproject-help.chm", "real/wkhtmltox-au3-help.chm"}) {
        EXPECT_FALSE(Topics(Shared(name)).empty()) << name;
    }
}

TEST_F(RealDecompileTest, BrokenAndHostileFilesFailCleanlyOrStayInside) {
    for (const auto* folder : {"malformed", "hostile"}) {
        std::error_code ec;
        for (fs::directory_iterator it(Shared(folder), ec), end; !ec && it != end;
             it.increment(ec)) {
            try {
                Topics(it->path().string());  // checks every topic lies in the job folder
            } catch (const std::exception& error) {
                EXPECT_NE(std::string(), error.what()) << it->path();
            }
        }
    }
}
