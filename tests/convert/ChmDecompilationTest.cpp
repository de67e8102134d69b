#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <thread>

#include "HelpSystemBytes.h"
#include "ScratchFolder.h"
#include "SmallDisk.h"
#include "convert/chm/ChmDecompilation.h"
#include "convert/chm/ContentsTreeReader.h"
#include "convert/chm/HelpFile.h"
#include "convert/chm/TvxFileUtils.h"
#include "platform/process/ProcessLeftovers.h"
#include "platform/process/ProcessRunner.h"
#include "platform/process/StopRequest.h"

using testsupport::ScratchFolder;
using testsupport::SmallDisk;

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
    std::optional<int> TryExitCode(Handle) override { return Exit; }
    void Kill(Handle) override {}
    int Exit = 0;
};

// One entry of a contents or index file naming the page `value`.
std::string Local(const std::string& value) {
    return "<LI><OBJECT type=\"text/sitemap\"><param name=\"Local\" value=\"" + value +
           "\"></OBJECT>\n";
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

// TMPDIR pointed at `folder` for the object's life, then as it was.
class ScopedTmpdir {
public:
    explicit ScopedTmpdir(const std::string& folder) {
        if (const char* value = std::getenv("TMPDIR")) previous_ = value;
        ::setenv("TMPDIR", folder.c_str(), 1);
    }
    ~ScopedTmpdir() {
        if (previous_)
            ::setenv("TMPDIR", previous_->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> previous_;
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

TEST(MakeTempFolder, NamesTheFolderAfterProcessTickAndJobIndexAndNeverSharesOne) {
    JobFolder ten(10), big(300);
    const fs::path tenPath = ten.state.TempFolderName;
    const std::string prefix = "pellin-job-" + platform::ProcessTag() + "-";
    EXPECT_EQ(fs::temp_directory_path(), tenPath.parent_path());
    EXPECT_TRUE(
        std::regex_match(tenPath.filename().string(), std::regex(prefix + "[0-9A-F]{4,8}0A")));
    EXPECT_TRUE(std::regex_match(fs::path(big.state.TempFolderName).filename().string(),
                                 std::regex(prefix + "[0-9A-F]{4,8}12C")));
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

TEST_F(DecompileChmTest, TheSystemFileGivesTitleLanguageAndTheContentsFile) {
    using namespace systembytes;
    // The contents lie in a sub-folder and are named by the help file: no search, no wait.
    decompiler->Files = {
        {"#SYSTEM", Version + Language(0x0419) + Text(0, "Html/TOC.hhc") + Text(1, "index.hhk") +
                        Text(3, "\xD1\xEF\xF0\xE0\xE2\xEA\xE0")},
        {"html/toc.hhc",
         "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"\xC2\xE2\">"
         "<param name=\"Local\" value=\"\xEE.htm\"></OBJECT><UL><LI><OBJECT "
         "type=\"text/sitemap\"><param name=\"name\" value=\"&Acirc;\"><param name=\"local\" "
         "value=\"b.htm#x\"></OBJECT></UL></UL>"},
        {"a.hhc", Local("b.htm")},
        {"html/\xD0\xBE.htm", "o"},
        {"html/b.htm", "b"}};
    auto settings = Quick();
    settings.SearchWait = 400ms;
    const auto started = std::chrono::steady_clock::now();
    Decompile(settings);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 300ms);
    ASSERT_TRUE(job.state.System);
    EXPECT_EQ("Справка", job.state.System->Title);
    EXPECT_EQ(0x0419u, job.state.System->Lcid);
    EXPECT_EQ("index.hhk", job.state.System->IndexFile);
    ASSERT_EQ(1u, job.state.Contents.size());
    EXPECT_EQ("Вв", job.state.Contents[0].Name);
    EXPECT_EQ(job / "html/о.htm", job.state.Contents[0].Topic);
    ASSERT_EQ(1u, job.state.Contents[0].Children.size());
    EXPECT_EQ("В", job.state.Contents[0].Children[0].Name);
    EXPECT_EQ("x", job.state.Contents[0].Children[0].Fragment);
    EXPECT_EQ((Paths{job / "html/о.htm", job / "html/b.htm"}), job.state.TopicFiles);

    // The same folder read through the help file's one face.
    const HelpFile help = ReadHelpFile(job.state.TempFolderName, 0, settings);
    EXPECT_EQ(job.state.TopicFiles, help.Topics);
    EXPECT_EQ(1u, help.Contents.size());
    EXPECT_EQ("Справка", help.Title("/in/guide.chm"));
    EXPECT_EQ("ru-RU", help.Language());
    EXPECT_EQ("WINDOWS-1251", help.Charset());
    EXPECT_EQ("index.hhk", help.IndexFile());
    EXPECT_FALSE(help.PartlyRead());
    EXPECT_EQ("guide", HelpFile{}.Title("/in/guide.chm"));
}

TEST_F(DecompileChmTest, WithoutASystemFileTheHeaderTellsTheLanguage) {
    const std::string header = "ITSF" + systembytes::Little32(3) + systembytes::Little32(0x60) +
                               systembytes::Little32(1) + systembytes::Little32(0) +
                               systembytes::Little32(0x0419);
    chm = source.Write("ru.chm", header);
    decompiler->Files = {{"toc.hhc",
                          "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" "
                          "value=\"\xC2\xE2\"><param name=\"Local\" value=\"a.htm\"></OBJECT>"},
                         {"a.htm", ""}};
    Decompile();
    ASSERT_TRUE(job.state.System);
    EXPECT_EQ(0x0419u, job.state.System->Lcid);
    EXPECT_EQ("", job.state.System->Title);
    EXPECT_EQ("Вв", job.state.Contents.at(0).Name);

    // Neither an entry nor a whole header: nothing is known, and windows-1252 is read.
    JobFolder other(3);
    chm = source.Write("plain.chm", "ITSF cut short");
    DecompileChm(chm, other.state, Quick());
    EXPECT_FALSE(other.state.System);
    EXPECT_EQ("Ââ", other.state.Contents.at(0).Name);
}

TEST_F(DecompileChmTest, LinksLeavingTheFolderNeverBecomeTopics) {
    ScratchFolder outside;
    const auto secret = outside.Write("secret.htm", "not for the document");
    const std::string climb = "../" + outside.Path().filename().string() + "/secret.htm";
    decompiler->Files = {
        {"toc.hhc", Local(climb) + Local("sub/../../x/../" + climb) + Local("../../etc/passwd") +
                        Local(secret) + Local("1.chm") + Local("%23SYSTEM") + Local("&#35;SYSTEM") +
                        Local("safe.htm")},
        {"#SYSTEM", "not a page"},
        {"safe.htm", ""}};
    Decompile();
    // Neither a file outside nor the job's own files (the copy of the help
    // file, its system entry) are pages.
    EXPECT_EQ((Paths{job / "safe.htm"}), job.state.TopicFiles);
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

    decompiler->Program.clear();
    TvxChmJobState none;  // no folder: nothing may be written anywhere else
    EXPECT_THROW(DecompileChm(chm, none, Quick()), std::runtime_error);
    EXPECT_TRUE(decompiler->Program.empty());
}

// The decompiler's exit code names the first cause when no page came out.
TEST_F(DecompileChmTest, WithoutPagesTheDecompilersVerdictIsTheReason) {
    const std::vector<std::pair<int, std::string>> expected{
        {PartlyReadExit, "The help file is damaged: the part that could be read holds no topic"},
        {UnusableExit,
         "The help file could not be decompiled: the decompiler could not be "
         "started, could not open it or did not finish in time"},
    };
    decompiler->Files = {{"style.css", ""}};
    for (const auto& [exit, message] : expected) {
        decompiler->Exit = exit;
        JobFolder fresh;
        try {
            DecompileChm(chm, fresh.state, Quick());
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(message, error.what());
        }
    }
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

// A temporary folder on a full disk fails the job naming that folder and the
// full disk, whether the copy of the help file or its pages do not fit; it
// is never taken for a damaged help file.
TEST_F(RealDecompileTest, AFullTemporaryDiskIsSaidAsSuch) {
    ScratchFolder scratch;
    const std::string tmp = scratch / "tmp";
    fs::create_directories(tmp);
    SmallDisk disk(tmp, 256 * 1024);
    if (!disk.Mounted()) GTEST_SKIP() << "a small disk needs root";
    const std::string chm = Fixture("toc-basic.chm");
    const ScopedTmpdir scoped(tmp);
    auto settings = Quick();
    settings.HelpProgram = Decompiler;
    auto failure = [&](std::size_t keepFree) -> std::pair<std::string, std::string> {
        disk.Fill("filler", keepFree);
        JobFolder job;
        std::string message = "(no error)";
        try {
            DecompileChm(chm, job.state, settings);
        } catch (const std::runtime_error& error) {
            message = error.what();
        }
        fs::remove(tmp + "/filler");
        return {message, job.state.TempFolderName};
    };
    const auto [copying, copyFolder] = failure(0);
    const auto [decompiling, pagesFolder] = failure(fs::file_size(chm));
    EXPECT_EQ(copying, "Cannot copy " + chm + " into the job folder " + copyFolder +
                           ": No space left on device");
    EXPECT_EQ(decompiling, "Cannot write the pages of toc-basic.chm in " + pagesFolder +
                               ": No space left on device");
}

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

TEST_F(RealDecompileTest, ARussianHelpFileWithoutCharsetIsReadInItsLanguagesCodePage) {
    const std::string chm = Fixture("cyrillic-nocharset.chm");
    if (!fs::exists(chm)) GTEST_SKIP() << "fixture missing: " << chm;
    JobFolder job;
    auto settings = Quick();
    settings.HelpProgram = Decompiler;
    DecompileChm(chm, job.state, settings);
    ASSERT_TRUE(job.state.System);
    EXPECT_EQ("Справка: кириллица без объявления кодировки", job.state.System->Title);
    EXPECT_EQ(0x0419u, job.state.System->Lcid);
    EXPECT_EQ("toc.hhc", job.state.System->ContentsFile);
    EXPECT_EQ("intro.htm", job.state.System->DefaultTopic);

    const ContentsTree& tree = job.state.Contents;
    ASSERT_EQ(4u, tree.size());
    EXPECT_EQ("Введение", tree[0].Name);
    EXPECT_EQ("Глава 1", tree[1].Name);
    ASSERT_EQ(2u, tree[1].Children.size());
    EXPECT_EQ("Раздел 1.1", tree[1].Children[0].Name);
    EXPECT_EQ("Раздел 1.2", tree[1].Children[1].Name);
    EXPECT_EQ(job / "section2.htm", tree[1].Children[1].Topic);
    EXPECT_EQ("part", tree[1].Children[1].Fragment);
    EXPECT_EQ("Обзор", tree[2].Name);
    EXPECT_EQ(job / "обзор.htm", tree[2].Topic);
    EXPECT_EQ("Приложения", tree[3].Name);
    EXPECT_EQ("", tree[3].Topic);
    ASSERT_EQ(1u, tree[3].Children.size());
    EXPECT_EQ("Обзор ещё раз", tree[3].Children[0].Name);
    EXPECT_EQ(job / "обзор.htm", tree[3].Children[0].Topic);
    EXPECT_EQ((Paths{job / "intro.htm", job / "chapter1.htm", job / "section1.htm",
                     job / "section2.htm", job / "обзор.htm"}),
              job.state.TopicFiles);
}

namespace {

void CountEntries(const ContentsTree& tree, std::size_t& entries, std::size_t& withTopic) {
    for (const auto& entry : tree) {
        ++entries;
        if (!entry.Topic.empty()) ++withTopic;
        CountEntries(entry.Children, entries, withTopic);
    }
}

}  // namespace

TEST_F(RealDecompileTest, PublicHelpFilesInManyLanguagesAreReadInTheirCodePages) {
    struct Expected {
        const char* File;
        std::uint32_t Lcid;
        const char* Title;
        const char* FirstName;
        std::size_t Entries, WithTopic, Depth;
    };
    const Expected cases[] = {
        {"wild/regexexplorer-rushelp.chm", 0x0419, "", "Введение", 9, 8, 2},
        {"real/faxir-courseproject-help.chm", 0x0419, "Помощь", "Авторизация", 6, 5, 2},
        {"wild/winring0-manual-ja.chm", 0x0411, "WinRing0 マニュアル", "WinRing0 について", 65, 60,
         3},
        {"wild/seguradora-ajuda.chm", 0x0416, "Ajuda Sistema Seguradora de Automoveis Senai 2022",
         "Introdução", 9, 9, 2},
        {"wild/apihelp-documentation.chm", 0x0409, "A Sandcastle Documented Class Library",
         "MaxSign_GTS.DataAccess", 265, 265, 5},
    };
    std::size_t checked = 0;
    for (const auto& expected : cases) {
        const std::string chm = Shared(expected.File);
        if (!fs::exists(chm)) continue;
        ++checked;
        JobFolder job;
        auto settings = Quick();
        settings.HelpProgram = Decompiler;
        DecompileChm(chm, job.state, settings);
        ASSERT_TRUE(job.state.System) << expected.File;
        EXPECT_EQ(expected.Lcid, job.state.System->Lcid) << expected.File;
        EXPECT_EQ(expected.Title, job.state.System->Title) << expected.File;
        ASSERT_FALSE(job.state.Contents.empty()) << expected.File;
        EXPECT_EQ(expected.FirstName, job.state.Contents[0].Name) << expected.File;
        std::size_t entries = 0, withTopic = 0;
        CountEntries(job.state.Contents, entries, withTopic);
        EXPECT_EQ(expected.Entries, entries) << expected.File;
        EXPECT_EQ(expected.WithTopic, withTopic) << expected.File;
        EXPECT_EQ(expected.Depth, DepthOfTree(job.state.Contents)) << expected.File;
        EXPECT_EQ(withTopic, job.state.TopicFiles.size()) << expected.File;
    }
    if (checked == 0) GTEST_SKIP() << "shared samples missing: " << Shared("");
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

// A damaged file says what is wrong with it, at once: the decompiler has
// said it could not read the file, so no contents file is waited for.
TEST_F(RealDecompileTest, DamagedFilesSayWhatIsWrongWithThem) {
    const std::vector<std::pair<std::string, std::string>> expected{
        {"malformed/empty.chm", "Not a compiled help file"},
        {"malformed/random-1k.chm", "Not a compiled help file"},
        {"malformed/trunc-small-4096.chm", "The help file is damaged: it could not be read"},
    };
    for (const auto& [name, message] : expected) {
        if (!fs::exists(Shared(name))) GTEST_SKIP() << "shared sample missing: " << Shared(name);
        try {
            Topics(Shared(name));
            ADD_FAILURE() << name << " gave topics";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(message, error.what()) << name;
        }
    }
}

// What the user gave is checked before it is copied: the job fails naming
// the user's file and the real cause, and no decompiler is started.
TEST_F(DecompileChmTest, AnUnusableSourceFailsNamingTheUsersFileNotTheCopy) {
    const std::string missing = source / "missing.chm";
    const std::string dangling = source / "dangling.chm";
    const std::string fifo = source / "fifo.chm";
    fs::create_symlink(source / "gone.chm", dangling);
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    const std::pair<std::string, std::string> cases[] = {
        {missing, "Cannot read " + missing + ": No such file or directory"},
        {dangling, dangling + " is a broken symbolic link"},
        {fifo, fifo + " is not a regular file"},
        {source.Path().string(), source.Path().string() + " is not a regular file"},
    };
    for (const auto& [path, message] : cases) {
        JobFolder fresh;
        try {
            DecompileChm(path, fresh.state, Quick());
            ADD_FAILURE() << "no error for " << path;
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(message, error.what());
        }
        EXPECT_TRUE(decompiler->Program.empty()) << path;
        EXPECT_FALSE(fs::exists(fresh / "1.chm")) << path;
    }
}

// A source is looked at before it is copied: one that is no help file, one
// far longer than its header says and one mostly made of holes fail at once,
// and so does the copy when a stop was asked for.
TEST_F(DecompileChmTest, ASourceIsJudgedBeforeItIsCopiedAndTheCopyHeedsAStop) {
    // Header section 0 at 0x60 gives the file's length at 0x68.
    auto header = [](std::uint64_t length) {
        std::string bytes(0x70, '\0');
        bytes.replace(0, 4, "ITSF");
        for (int i = 0; i < 8; ++i) {
            bytes[0x38 + i] = static_cast<char>(std::uint64_t{0x60} >> (8 * i));
            bytes[0x68 + i] = static_cast<char>(length >> (8 * i));
        }
        return bytes;
    };
    constexpr std::uintmax_t big = 20ull << 30;
    std::string noise(1000, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>(i * 7919 % 251);
    const std::string random = source.Write("random.chm", noise);
    const std::string zeros = source.Write("zeros.chm", "");
    const std::string longer = source.Write("longer.chm", header(0x70));
    const std::string holes = source.Write("holes.chm", header(big));
    for (const auto& path : {zeros, longer, holes}) fs::resize_file(path, big);
    const std::pair<std::string, std::string> cases[] = {
        {random, "Not a compiled help file"},
        {zeros, "Not a compiled help file"},
        {longer,
         "The help file is damaged: it is 21474836480 bytes long, but its header gives 112"},
        {holes, "The help file is damaged: it is 21474836480 bytes, but only "},
    };
    for (const auto& [path, message] : cases) {
        JobFolder fresh;
        const auto started = std::chrono::steady_clock::now();
        try {
            DecompileChm(path, fresh.state, Quick());
            ADD_FAILURE() << "no error for " << path;
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(0u, std::string(error.what()).rfind(message, 0)) << error.what();
        }
        EXPECT_LT(std::chrono::steady_clock::now() - started, 1s) << path;
        EXPECT_TRUE(decompiler->Program.empty()) << path;
        EXPECT_FALSE(fs::exists(fresh / "1.chm")) << path;
    }
    platform::RequestStop();
    try {
        Decompile();
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ("The run was stopped", error.what());
    }
    platform::ClearStopRequest();
    EXPECT_TRUE(decompiler->Program.empty());
    EXPECT_FALSE(fs::exists(job / "1.chm"));
}

TEST(MakeTempFolder, AJobFolderIsPrivateToItsOwner) {
    JobFolder job;
    struct stat info {};
    ASSERT_EQ(0, ::stat(job.state.TempFolderName.c_str(), &info));
    EXPECT_EQ(0700u, info.st_mode & 07777u);
}

namespace {

// A decompiler that never ends by itself.
class HangingDecompiler : public platform::ProcessRunner {
public:
    std::atomic<int> Kills{0};
    Handle Start(const std::string&, const std::vector<std::string>&, const std::string&) override {
        return 1;
    }
    std::optional<int> TryExitCode(Handle) override {
        if (Kills > 0) return 137;
        return std::nullopt;
    }
    void Kill(Handle) override { ++Kills; }
};

}  // namespace

TEST(DecompileChmStop, AStopRequestKillsTheDecompilerAndEndsTheJobAtOnce) {
    auto hanging = std::make_shared<HangingDecompiler>();
    platform::ScopedProcessRunner scoped{hanging};
    ScratchFolder source;
    const std::string chm = source.Write("slow.chm", "ITSF");
    JobFolder job;
    std::thread stopper([] {
        std::this_thread::sleep_for(50ms);
        platform::RequestStop();
    });
    try {
        DecompileChm(chm, job.state, TvxDecompileSettings{});  // ten minutes' limit
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ("The run was stopped", error.what());
    }
    stopper.join();
    platform::ClearStopRequest();
    EXPECT_EQ(1, hanging->Kills.load());
}

TEST(MakeTempFolder, ATemporaryFolderThatCannotTakeJobsNamesTheCause) {
    ScratchFolder scratch;
    const std::string notAFolder = scratch.Write("tmp-is-a-file", "x");
    const std::string chm = scratch.Write("a.chm", "ITSF");
    TvxChmJobState state;
    std::string message;
    {
        const ScopedTmpdir scoped(notAFolder);
        MakeTempFolder(state, 0);
        try {
            DecompileChm(chm, state, Quick());
        } catch (const std::runtime_error& error) {
            message = error.what();
        }
    }
    EXPECT_TRUE(state.TempFolderName.empty());
    EXPECT_EQ(message.rfind("The temporary folder could not be created: ", 0), 0u) << message;
    EXPECT_NE(message.find("Not a directory"), std::string::npos) << message;
}
