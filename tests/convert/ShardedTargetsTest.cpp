#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include "ScratchFolder.h"
#include "batch/TvxBatch.h"
#include "batch/TvxNode.h"
#include "convert/TargetClaims.h"
#include "convert/TvxConvertor.h"
#include "convert/TvxFileUtils.h"
#include "core/TvxProject.h"
#include "core/TvxShard.h"

namespace fs = std::filesystem;

namespace {

// Writes its source's key into the target, in two steps with a pause, so
// that two writers of one name would show in the file.
class WritingConvertor : public TvxConvertor {
public:
    using TvxConvertor::TvxConvertor;
    void ConvertFile(TvxBatch* batch, TvxNode* node) override {
        const std::string target = MakeTargetName(batch, node);
        if (target.empty()) return;  // skipped or failed
        {
            std::ofstream out(target, std::ios::binary);
            out << batch->SourceKey(node->FileName);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
        std::ofstream(target, std::ios::binary | std::ios::app) << "\n";
        node->ResultText = target;
        node->Status = TvxNode::Done;
        batch->AddSuccess();
    }
};

class ShardedTargetsTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = vxProject;
        vxProject = &project;
        project.TargetExt = ".pdf";
        project.ShortName = "pellin";
        project.ConvertorClass = [](TvxBatch* batch, int count, const TvxNodeEvent& done) {
            return static_cast<TvxConvertor*>(new WritingConvertor(batch, count, done));
        };
        batch.SourceDir = in.Path() + "/";
        batch.TargetDir = out.Path() + "/";
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

    // Starts one batch per shard over the same shelf and target, all at once,
    // and waits until every converter has ended.
    std::vector<std::unique_ptr<TvxBatch>> RunShards(std::uint32_t count, int threads) {
        project.SetOption("ThreadsCount", std::to_string(threads));
        std::vector<std::unique_ptr<TvxBatch>> shards;
        std::vector<TvxConvertor*> heads;
        LiveConverters = 0;
        for (std::uint32_t k = 0; k < count; ++k) {
            project.SetOption("Shard", std::to_string(k) + "/" + std::to_string(count));
            shards.push_back(std::make_unique<TvxBatch>());
            shards.back()->Start(in / "*.chm", out.Path() + "/", true);
            heads.push_back(TvxConvertor::StartChain(shards.back().get(), out.Path() + "/", {}));
            LiveConverters += heads.back()->ChainCount;
        }
        for (TvxConvertor* head : heads) head->ResumeChain();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (LiveConverters.load() > 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_EQ(LiveConverters.load(), 0);
        return shards;
    }

    TvxProject project;
    TvxProject* previous = nullptr;
    TvxBatch batch;
    WritingConvertor convertor{&batch, 1, {}};
    ScratchFolder in, out;
    int status = 0;
    std::string result;
};

// Every job of every shard, by source key.
std::map<std::string, const TvxNode*> Jobs(const std::vector<std::unique_ptr<TvxBatch>>& shards) {
    std::map<std::string, const TvxNode*> jobs;
    for (const auto& shard : shards) {
        TvxNodeList& nodes = shard->LockNodes();
        for (const auto& node : nodes) {
            const bool fresh = jobs.emplace(shard->SourceKey(node->FileName), node.get()).second;
            EXPECT_TRUE(fresh) << node->FileName << " is in two shards";
        }
        shard->UnlockNodes();
    }
    return jobs;
}

}  // namespace

TEST_F(ShardedTargetsTest, TheFirstSourceOwnsTheNameAndFindsItAgainInARerun) {
    project.SetOption("KeepTargetSubdirs", "0");
    EXPECT_EQ(out / "x.pdf", Target("a/x.chm"));
    EXPECT_EQ(TvxNode::Waiting, status);
    EXPECT_EQ("a/x.chm\n", TvxFileUtils::ReadFileText(out / ".pellin-claims/x.pdf"));

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
    EXPECT_TRUE(fs::is_regular_file(out / ".pellin-claims/sub/deep/x.pdf"));
    EXPECT_EQ(TargetClaimPath("/t/", "/elsewhere/y.pdf"), "/elsewhere/.pellin-claims/y.pdf");

    // Without Shard nothing is claimed and a same-named target is simply
    // replaced, as a single run always did.
    fs::remove_all(out / ".pellin-claims");
    batch.Shard.reset();
    project.SetOption("KeepTargetSubdirs", "0");
    EXPECT_EQ(out / "x.pdf", Target("a/x.chm"));
    out.Write("x.pdf", "a's PDF");
    EXPECT_EQ(out / "x.pdf", Target("b/x.chm"));
    EXPECT_FALSE(fs::exists(out / ".pellin-claims"));
}

TEST_F(ShardedTargetsTest, AClaimThatCannotBeMadeFailsTheJobInsteadOfWriting) {
    out.Write(".pellin-claims", "a file where the claim folder belongs");
    EXPECT_EQ("", Target("x.chm"));
    EXPECT_EQ(TvxNode::Failed, status);
    EXPECT_NE(result.find("cannot be claimed"), std::string::npos) << result;
}

TEST_F(ShardedTargetsTest, ConcurrentShardsNeverWriteOneNameTwice) {
    // Six help files of one name in six folders (they fall in both shards),
    // ten of their own names, flattened into one folder.
    for (int i = 0; i < 6; ++i) in.Write("d" + std::to_string(i) + "/same.chm", "chm");
    for (int i = 0; i < 10; ++i) in.Write("u/u-" + std::to_string(i) + ".chm", "chm");
    ASSERT_NE(ShardOfKey("d0/same.chm", 2), ShardOfKey("d1/same.chm", 2));
    project.SetOption("KeepTargetSubdirs", "0");

    const auto shards = RunShards(2, 2);
    const auto jobs = Jobs(shards);
    ASSERT_EQ(jobs.size(), 16u);

    // One "same.chm" wrote the PDF; every other failed naming it.
    const std::string owner = TvxFileUtils::ReadFileText(out / ".pellin-claims/same.pdf");
    ASSERT_FALSE(owner.empty());
    const std::string winner = owner.substr(0, owner.size() - 1);
    EXPECT_EQ(TvxFileUtils::ReadFileText(out / "same.pdf"), winner + "\n");
    for (int i = 0; i < 6; ++i) {
        const std::string key = "d" + std::to_string(i) + "/same.chm";
        const TvxNode* job = jobs.at(key);
        if (key == winner) {
            EXPECT_EQ(job->Status, TvxNode::Done);
        } else {
            EXPECT_EQ(job->Status, TvxNode::Failed) << key;
            EXPECT_NE(job->ResultText.find("belongs to another help file: " + winner),
                      std::string::npos)
                << job->ResultText;
        }
    }
    for (int i = 0; i < 10; ++i) {
        const std::string key = "u/u-" + std::to_string(i) + ".chm";
        EXPECT_EQ(jobs.at(key)->Status, TvxNode::Done) << key;
        EXPECT_EQ(TvxFileUtils::ReadFileText(out / ("u-" + std::to_string(i) + ".pdf")),
                  key + "\n");
    }

    // A re-run of every shard with skip converts nothing and keeps the verdicts.
    project.SetOption("IsOverwrite", "skip");
    const auto rerun = RunShards(2, 1);
    const auto again = Jobs(rerun);
    for (const auto& [key, job] : again) {
        const bool loser = key.find("same.chm") != std::string::npos && key != winner;
        EXPECT_EQ(job->Status, loser ? TvxNode::Failed : TvxNode::Done) << key;
        if (!loser) {
            EXPECT_EQ(job->ResultText, "") << key;
        }
    }
    EXPECT_EQ(TvxFileUtils::ReadFileText(out / "same.pdf"), winner + "\n");
}
