#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include "BatchTestSupport.h"
#include "batch/TvxBatch.h"
#include "convert/chm/TvxFileUtils.h"
#include "convert/job/TvxConvertor.h"
#include "core/TvxShard.h"

using pellintest::WaitUntil;

namespace {

// Writes its source's key into the target in two steps with a pause, so that
// two writers of one name would show in the file.
class WritingConvertor : public TvxConvertor {
public:
    using TvxConvertor::TvxConvertor;
    void ConvertFile(TvxBatch* batch, TvxNode* node) override {
        const std::string target = MakeTargetName(batch, node);
        if (target.empty()) return;  // skipped or failed
        std::ofstream(target, std::ios::binary) << batch->SourceKey(node->FileName);
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
        std::ofstream(target, std::ios::binary | std::ios::app) << "\n";
        node->ResultText = target;
        node->Status = TvxNode::Done;
        batch->AddSuccess();
        PostProcess(batch, node, target);
    }
};

// Shards of one shelf converted at the same time into one target folder:
// six help files named alike in six folders, ten of their own names,
// flattened with KeepTargetSubdirs=0.
class ShardedRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        project().TargetExt = ".pdf";
        project().ShortName = "pellin";
        project().ConvertorClass = [](TvxBatch* batch, int count, const TvxNodeEvent& done) {
            return static_cast<TvxConvertor*>(new WritingConvertor(batch, count, done));
        };
        project().SetOption("KeepTargetSubdirs", "0");
        for (int i = 0; i < 6; ++i) shelf_.File("in/d" + std::to_string(i) + "/same.chm");
        for (int i = 0; i < 10; ++i) shelf_.File("in/u/u-" + std::to_string(i) + ".chm");
    }

    TvxProject& project() { return scope_.project(); }
    std::string Out(const std::string& name) const { return shelf_.Path("out/" + name); }

    // Starts one batch per shard, all at once, and waits for every converter;
    // a count of 0 runs one batch that is not split.
    void RunShards(std::uint32_t count, int threads) {
        project().SetOption("ThreadsCount", std::to_string(threads));
        shards_.clear();
        std::vector<TvxConvertor*> heads;
        LiveConverters = 0;
        for (std::uint32_t k = 0; k < std::max(count, 1u); ++k) {
            project().SetOption("Shard",
                                count ? std::to_string(k) + "/" + std::to_string(count) : "");
            shards_.push_back(std::make_unique<TvxBatch>());
            shards_.back()->Start(shelf_.Path("in/*.chm"), Out(""), true);
            heads.push_back(TvxConvertor::StartChain(shards_.back().get(), Out(""), {}));
            LiveConverters += heads.back()->ChainCount;
        }
        for (TvxConvertor* head : heads) head->ResumeChain();
        EXPECT_TRUE(WaitUntil([] { return LiveConverters.load() <= 0; }, std::chrono::seconds(60)));
    }

    // Every job of every shard by its source's key; each in one shard only.
    std::map<std::string, const TvxNode*> Jobs() {
        std::map<std::string, const TvxNode*> jobs;
        for (const auto& shard : shards_) {
            TvxNodeList& nodes = shard->LockNodes();
            for (const auto& node : nodes)
                EXPECT_TRUE(jobs.emplace(shard->SourceKey(node->FileName), node.get()).second)
                    << node->FileName << " is in two shards";
            shard->UnlockNodes();
        }
        return jobs;
    }

    pellintest::ProjectScope scope_;
    pellintest::TempTree shelf_;
    std::vector<std::unique_ptr<TvxBatch>> shards_;
};

}  // namespace

TEST_F(ShardedRunTest, ConcurrentShardsNeverWriteOneNameTwice) {
    ASSERT_NE(ShardOfKey("d0/same.chm", 2), ShardOfKey("d1/same.chm", 2));
    RunShards(2, 2);
    auto jobs = Jobs();
    ASSERT_EQ(jobs.size(), 16u);

    // One "same.chm" wrote the PDF; every other one failed, naming it.
    const std::string owner = TvxFileUtils::ReadFileText(Out(".pellin-claims/same.pdf.claim"));
    ASSERT_FALSE(owner.empty());
    const std::string winner = owner.substr(0, owner.size() - 1);
    EXPECT_EQ(TvxFileUtils::ReadFileText(Out("same.pdf")), winner + "\n");
    for (int i = 0; i < 6; ++i) {
        const std::string key = "d" + std::to_string(i) + "/same.chm";
        const TvxNode* job = jobs.at(key);
        if (key == winner) {
            EXPECT_EQ(job->Status, TvxNode::Done);
            continue;
        }
        EXPECT_EQ(job->Status, TvxNode::Failed) << key;
        EXPECT_NE(job->ResultText.find("belongs to another help file: " + winner),
                  std::string::npos)
            << job->ResultText;
    }
    for (int i = 0; i < 10; ++i) {
        const std::string key = "u/u-" + std::to_string(i) + ".chm";
        EXPECT_EQ(jobs.at(key)->Status, TvxNode::Done) << key;
        EXPECT_EQ(TvxFileUtils::ReadFileText(Out("u-" + std::to_string(i) + ".pdf")), key + "\n");
    }

    // Every shard again with skip: nothing is written, the verdicts stay.
    project().SetOption("IsOverwrite", "skip");
    RunShards(2, 1);
    jobs = Jobs();
    for (const auto& [key, job] : jobs) {
        const bool loser = key.find("same.chm") != std::string::npos && key != winner;
        EXPECT_EQ(job->Status, loser ? TvxNode::Failed : TvxNode::Done) << key;
        if (!loser) {
            EXPECT_EQ(job->ResultText, "") << key;
        }
    }
    EXPECT_EQ(TvxFileUtils::ReadFileText(Out("same.pdf")), winner + "\n");
}

TEST_F(ShardedRunTest, AnUnsplitRunGivesTwoSourcesOfOneNameTwoPdfsAndDeletesOnlyThose) {
    project().SetOption("DeleteSource", "1");
    RunShards(0, 2);
    const auto jobs = Jobs();
    ASSERT_EQ(jobs.size(), 16u);
    std::vector<std::string> written;
    for (const char* name : {"same.pdf", "-pellin-same.pdf"}) {
        std::string key = TvxFileUtils::ReadFileText(Out(name));
        ASSERT_FALSE(key.empty()) << name;
        key.pop_back();
        EXPECT_EQ(jobs.at(key)->Status, TvxNode::Done);
        written.push_back(key);
    }
    EXPECT_NE(written[0], written[1]);
    for (const auto& [key, job] : jobs) {
        const bool converted = key.starts_with("u/") || key == written[0] || key == written[1];
        EXPECT_EQ(job->Status, converted ? TvxNode::Done : TvxNode::Failed) << key;
        EXPECT_EQ(std::filesystem::exists(shelf_.Path("in/" + key)), !converted) << key;
    }
}
