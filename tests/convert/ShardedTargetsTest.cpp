#include <gtest/gtest.h>

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

class ShardedTargetsTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = vxProject;
        vxProject = &project;
        project.TargetExt = ".pdf";
        project.ShortName = "pellin";
        batch.SourceDir = in.Path().string() + "/";
        batch.TargetDir = out.Path().string() + "/";
        batch.Shard = TvxShard{0, 1};
    }
    void TearDown() override { vxProject = previous; }

    // The target of one job; its status and result are kept for checks.
    std::string Target(const std::string& relative) {
        TvxNode node(in / relative, 0);
        const auto target = convertor.MakeTargetName(&batch, &node);
        status = node.Status;
        result = node.ResultText;
        return target;
    }

    TvxProject project;
    TvxProject* previous = nullptr;
    TvxBatch batch;
    TvxConvertor convertor{&batch, 1, {}};
    ScratchFolder in, out;
    int status = 0;
    std::string result;
};

}  // namespace

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
