#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "ScratchFolder.h"
#include "batch/TvxBatch.h"
#include "batch/TvxNode.h"
#include "convert/chm/TvxFileUtils.h"
#include "convert/job/TvxConvertor.h"
#include "convert/output/TargetClaims.h"
#include "core/TvxProject.h"
#include "core/TvxShard.h"

using testsupport::ScratchFolder;

namespace fs = std::filesystem;

namespace {

class TestConvertor : public TvxConvertor {
public:
    using TvxConvertor::TvxConvertor;
    bool Macros = false;
    bool HasMacros() override { return Macros; }
};

class TargetNameTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = vxProject;
        vxProject = &project;
        project.TargetExt = ".pdf";
        project.ShortName = "pellin";
        batch.SourceDir = in.Path().string() + "/";
        batch.TargetDir = out.Path().string() + "/";
    }
    void TearDown() override { vxProject = previous; }

    // The target of one job; its status and result are kept for checks.
    std::string Target(const std::string& fileName) {
        TvxNode node(fileName, 0);
        const auto target = convertor.MakeTargetName(&batch, &node);
        status = node.Status;
        result = node.ResultText;
        return target;
    }

    TvxProject project;
    TvxProject* previous = nullptr;
    TvxBatch batch;
    TestConvertor convertor{&batch, 1, {}};
    ScratchFolder in, out;
    int status = 0;
    std::string result;
};

// The same in one shard of a split run: names given below the source folder.
class ShardedTargetsTest : public TargetNameTest {
protected:
    void SetUp() override {
        TargetNameTest::SetUp();
        batch.Shard = TvxShard{0, 1};
    }
    std::string Target(const std::string& relative) {
        return TargetNameTest::Target(in / relative);
    }
};

}  // namespace

TEST_F(TargetNameTest, KeepsTheSourceSubFoldersAndCreatesThem) {
    EXPECT_EQ(out / "a/b/x.pdf", Target(in / "a/b/x.chm"));
    EXPECT_TRUE(fs::is_directory(out / "a/b"));
    EXPECT_EQ(out / "w.pdf", Target("/elsewhere/deep/w.chm"));  // not below the source folder
    project.SetOption("KeepTargetSubdirs", "0");
    EXPECT_EQ(out / "x.pdf", Target(in / "a/b/x.chm"));
}

TEST_F(TargetNameTest, ColonsAndBackslashesOfTheRelativeNameBecomeUnderscores) {
    batch.TargetDir = out / "t:1/";
    EXPECT_EQ(out / "t:1/a_b/c_d.pdf", Target(in / "a:b/c\\d.chm"));
}

TEST_F(TargetNameTest, TheExtensionIsReplacedOrAdded) {
    EXPECT_EQ(out / "Guide.v2.pdf", Target(in / "Guide.v2.CHM"));
    EXPECT_EQ(out / "README.pdf", Target(in / "README"));
    EXPECT_EQ(out / "dir.d/page.pdf", Target(in / "dir.d/page"));
    project.TargetExt.clear();
    EXPECT_EQ(out / "keep.chm", Target(in / "keep.chm"));
}

TEST_F(TargetNameTest, AlternativeAndMacroExtensions) {
    project.TargetExt = ".docx";
    project.AltTargetExt = ".doc";
    project.MacroTargetExt = ".docm";
    EXPECT_EQ(out / "a.docx", Target(in / "a.DOC"));
    EXPECT_EQ(out / "b.docx", Target(in / "b.docm"));
    convertor.Macros = true;
    EXPECT_EQ(out / "a.doc", Target(in / "a.rtf"));  // macros count only when enabled
    project.SetOption("MacroEnabled", "1");
    EXPECT_EQ(out / "a.docm", Target(in / "a.rtf"));
}

TEST_F(TargetNameTest, AFolderThatCannotBeMadeIsReportedOnceAndTheNameStillReturned) {
    out.Write("file", "not a folder");
    batch.TargetDir = out / "file/sub/";
    EXPECT_EQ(out / "file/sub/x.pdf", Target(in / "x.chm"));
    EXPECT_EQ(out / "file/sub/y.pdf", Target(in / "y.chm"));
    EXPECT_EQ(2, batch.Failures);
    EXPECT_EQ(std::vector<std::string>{"CreateDir Failed: " + (out / "file/sub/")},
              batch.FailureMessages);
}

TEST_F(TargetNameTest, AnExistingTargetIsSkippedRenamedOrOverwritten) {
    out.Write("x.pdf", "old");
    out.Write("-pellin-x.pdf", "older");

    EXPECT_EQ(out / "x.pdf", Target(in / "x.chm"));  // overwrite by default
    EXPECT_EQ(0, status);

    project.SetOption("IsOverwrite", "SkIp");
    EXPECT_EQ("", Target(in / "x.chm"));
    EXPECT_EQ(TvxNode::Done, status);

    project.SetOption("IsOverwrite", "False");
    EXPECT_EQ(out / "-pellin-x.pdf", Target(in / "x.chm"));  // not tested again
    EXPECT_EQ(0, status);

    fs::create_directories(out / "y.pdf");  // a folder is not a target file
    EXPECT_EQ(out / "y.pdf", Target(in / "y.chm"));
}

TEST_F(TargetNameTest, ATargetNameBelongsToTheFirstSourceOfTheRun) {
    project.SetOption("KeepTargetSubdirs", "0");
    EXPECT_EQ(out / "guide.pdf", Target(in / "a/guide.chm"));
    EXPECT_EQ(out / "-pellin-guide.pdf", Target(in / "b/guide.chm"));
    EXPECT_EQ("", Target(in / "c/guide.chm"));
    EXPECT_EQ(TvxNode::Failed, status);
    EXPECT_EQ(std::vector<std::string>{"The target " + (out / "-pellin-guide.pdf") +
                                       " is taken in this run by " + (in / "b/guide.chm")},
              batch.FailureMessages);
    EXPECT_EQ(out / "guide.pdf", Target(in / "a/guide.chm"));  // its own name again

    // Whatever IsOverwrite says, and by any path that reaches the folder.
    project.SetOption("IsOverwrite", "skip");
    fs::create_directory_symlink(out.Path(), in / "alias");
    batch.TargetDir = in / "alias/";
    out.Write("x.pdf", "x.chm's PDF");
    EXPECT_EQ("", Target(in / "x.chm"));
    EXPECT_EQ(TvxNode::Done, status);
    EXPECT_EQ(in / "alias/-pellin-x.pdf", Target(in / "x.CHM"));

    // The run log is no target either.
    batch.TakeOutput(out / "run.pdf", "the run log");
    EXPECT_EQ(in / "alias/-pellin-run.pdf", Target(in / "run.chm"));
}

TEST_F(TargetNameTest, DeleteTargetRemovesFilesOnly) {
    const auto file = out.Write("x.pdf", "old");
    fs::create_directories(out / "folder.pdf");
    TvxConvertor::DeleteTarget(file);
    TvxConvertor::DeleteTarget(out / "folder.pdf");
    TvxConvertor::DeleteTarget(out / "missing.pdf");
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(fs::is_directory(out / "folder.pdf"));
}

TEST_F(TargetNameTest, PostProcessCopiesTimesDeletesOrRenamesTheSource) {
    const std::string source = in.Write("x.chm", "chm");
    const std::string target = out.Write("x.pdf", "pdf");
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    fs::last_write_time(source, old);
    TvxNode node(source, 0);

    convertor.PostProcess(&batch, &node, target);
    EXPECT_NE(old, fs::last_write_time(target));  // nothing asked for

    project.SetOption("KeepFileTime", "1");
    project.SetOption("RenameSource", ".done");
    convertor.PostProcess(&batch, &node, target);
    EXPECT_EQ(old, fs::last_write_time(target));
    EXPECT_FALSE(fs::exists(source));
    EXPECT_TRUE(fs::exists(source + ".done"));

    // An existing file of the new name is not replaced.
    in.Write("x.chm", "second");
    convertor.PostProcess(&batch, &node, target);
    EXPECT_EQ("chm", TvxFileUtils::ReadFileText(source + ".done"));
    EXPECT_TRUE(fs::exists(source));

    // Nothing happens to a source whose PDF is not there.
    project.SetOption("DeleteSource", "True");
    convertor.PostProcess(&batch, &node, out / "missing.pdf");
    EXPECT_TRUE(fs::exists(source));

    // Deleting comes first, so the rename finds no file.
    convertor.PostProcess(&batch, &node, target);
    EXPECT_FALSE(fs::exists(source));
    EXPECT_EQ("chm", TvxFileUtils::ReadFileText(source + ".done"));
}

TEST_F(ShardedTargetsTest, TheFirstSourceOwnsTheNameAndFindsItAgainInARerun) {
    project.SetOption("KeepTargetSubdirs", "0");
    EXPECT_EQ(out / "x.pdf", Target("a/x.chm"));
    EXPECT_EQ(TvxNode::Waiting, status);
    EXPECT_EQ("a/x.chm\n", TvxFileUtils::ReadFileText(out / ".pellin-claims/x.pdf.claim"));

    EXPECT_EQ("", Target("b/x.chm"));
    EXPECT_EQ(TvxNode::Failed, status);
    EXPECT_EQ("The target " + (out / "x.pdf") + " belongs to another help file: a/x.chm", result);
    EXPECT_EQ(1, batch.Failures);

    out.Write("x.pdf", "a's PDF");
    EXPECT_EQ(out / "x.pdf", Target("a/x.chm"));  // overwriting its own PDF
    project.SetOption("IsOverwrite", "skip");
    EXPECT_EQ("", Target("a/x.chm"));
    EXPECT_EQ(TvxNode::Done, status);  // skipped: its own PDF is there
    EXPECT_EQ("", Target("b/x.chm"));
    EXPECT_EQ(TvxNode::Failed, status);  // never reported as skipped
}

TEST_F(ShardedTargetsTest, NewNameModeMovesOnOnceAndNeverSharesTheNewName) {
    project.SetOption("KeepTargetSubdirs", "0");
    project.SetOption("IsOverwrite", "False");
    EXPECT_EQ(out / "x.pdf", Target("a/x.chm"));
    EXPECT_EQ(out / "-pellin-x.pdf", Target("b/x.chm"));
    EXPECT_EQ("", Target("c/x.chm"));
    EXPECT_EQ(TvxNode::Failed, status);
    EXPECT_NE(result.find("-pellin-x.pdf belongs to another help file: b/x.chm"), std::string::npos)
        << result;

    // An earlier PDF of the name sends its own source to the new name as well.
    out.Write("y.pdf", "from before");
    EXPECT_EQ(out / "-pellin-y.pdf", Target("a/y.chm"));
    EXPECT_EQ(out / "-pellin-y.pdf", Target("a/y.chm"));  // a re-run
    EXPECT_EQ("", Target("b/y.chm"));
}

TEST_F(ShardedTargetsTest, ClaimsFollowTheTargetFolderAndOnlyASplitRunMakesThem) {
    EXPECT_EQ(out / "sub/deep/x.pdf", Target("sub/deep/x.chm"));
    EXPECT_TRUE(fs::is_regular_file(out / ".pellin-claims/sub/deep/x.pdf.claim"));
    EXPECT_EQ(TargetClaimPath("/t/", "/elsewhere/y.pdf"), "/elsewhere/.pellin-claims/y.pdf.claim");

    // Without Shard nothing is claimed; the run itself keeps a same-named
    // target from replacing another source's.
    fs::remove_all(out / ".pellin-claims");
    batch.Shard.reset();
    project.SetOption("KeepTargetSubdirs", "0");
    EXPECT_EQ(out / "x.pdf", Target("a/x.chm"));
    out.Write("x.pdf", "a's PDF");
    EXPECT_EQ(out / "-pellin-x.pdf", Target("b/x.chm"));
    EXPECT_FALSE(fs::exists(out / ".pellin-claims"));
}

// Claims of the earlier form lay at the PDF's own name, so a search for PDFs
// found each one twice. They still decide who owns a name, and move to the
// new form on first use.
TEST_F(ShardedTargetsTest, ClaimsAreNoPdfsAndEarlierClaimsKeepTheirOwner) {
    project.SetOption("KeepTargetSubdirs", "0");
    out.Write(".pellin-claims/x.pdf", "a/x.chm\n");
    out.Write(".pellin-claims/y.pdf", "b/y.chm\n");
    EXPECT_EQ("", Target("b/x.chm"));
    EXPECT_EQ("The target " + (out / "x.pdf") + " belongs to another help file: a/x.chm", result);
    EXPECT_EQ(out / "x.pdf", Target("a/x.chm"));
    EXPECT_EQ(out / "y.pdf", Target("b/y.chm"));
    EXPECT_EQ(out / "z.pdf", Target("c/z.chm"));
    EXPECT_EQ("b/y.chm\n", TvxFileUtils::ReadFileText(out / ".pellin-claims/y.pdf.claim"));
    std::vector<std::string> claims;
    for (const auto& entry : fs::recursive_directory_iterator(out / ".pellin-claims"))
        claims.push_back(entry.path().filename().string());
    std::sort(claims.begin(), claims.end());
    EXPECT_EQ(claims, (std::vector<std::string>{"x.pdf.claim", "y.pdf.claim", "z.pdf.claim"}));
}

TEST_F(ShardedTargetsTest, AClaimThatCannotBeMadeFailsTheJobInsteadOfWriting) {
    out.Write(".pellin-claims", "a file where the claim folder belongs");
    EXPECT_EQ("", Target("x.chm"));
    EXPECT_EQ(TvxNode::Failed, status);
    EXPECT_NE(result.find("cannot be claimed"), std::string::npos) << result;
}
