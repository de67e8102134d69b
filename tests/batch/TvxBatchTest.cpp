#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <future>
#include <stdexcept>
#include <thread>
#include <vector>

#include "BatchTestSupport.h"
#include "batch/TvxBatch.h"

using namespace std::chrono_literals;
using pellintest::WaitUntil;

namespace {

class RefuseAll : public TvxMatchBase {
public:
    bool MatchName(const std::string&, const std::string&) override { return false; }
};

class ThrowingMatch : public TvxMatchBase {
public:
    bool MatchName(const std::string&, const std::string&) override {
        throw std::runtime_error("broken");
    }
};

// Takes jobs until the batch has none left.
std::vector<int> Drain(TvxBatch& batch) {
    std::vector<int> taken;
    while (TvxNode* node = batch.NextNode()) taken.push_back(node->Index);
    return taken;
}

class BatchTest : public ::testing::Test {
protected:
    pellintest::ProjectScope scope_;
};

}  // namespace

TEST_F(BatchTest, JobsAreIndexedAndHandedOutOnceInOrderOfAdding) {
    TvxBatch batch;
    for (const char* name : {"/in/a.chm", "/in/b.chm", "/in/c.chm"}) batch.AddNode(name);
    batch.SearchDone = true;

    EXPECT_EQ(batch.NodeCount(), 3);
    TvxNode* first = batch.NextNode();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Index, 0);
    EXPECT_EQ(first->FileName, "/in/a.chm");
    EXPECT_EQ(first->Status, TvxNode::Waiting);
    EXPECT_EQ(batch.NextNode()->Index, 1);
    EXPECT_FALSE(batch.IsExhausted());
    EXPECT_EQ(batch.NextNode()->Index, 2);
    EXPECT_EQ(batch.NextNode(), nullptr);
    EXPECT_TRUE(batch.IsExhausted());
    EXPECT_EQ(batch.NextNode(), nullptr);
}

TEST_F(BatchTest, SeveralWorkersShareJobsAddedWhileTheyWait) {
    constexpr int jobs = 2000;
    TvxBatch batch;
    std::vector<std::future<std::vector<int>>> workers;
    for (int i = 0; i < 3; ++i)
        workers.push_back(std::async(std::launch::async, [&] { return Drain(batch); }));
    std::thread search([&] {
        for (int i = 0; i < jobs; ++i) batch.AddNode("/in/" + std::to_string(i) + ".chm");
        batch.SearchDone = true;
    });
    search.join();

    std::vector<int> all;
    for (auto& worker : workers) {
        ASSERT_EQ(worker.wait_for(10s), std::future_status::ready);
        auto taken = worker.get();
        EXPECT_TRUE(std::is_sorted(taken.begin(), taken.end()));
        all.insert(all.end(), taken.begin(), taken.end());
    }
    std::sort(all.begin(), all.end());
    ASSERT_EQ(static_cast<int>(all.size()), jobs);
    for (int i = 0; i < jobs; ++i) ASSERT_EQ(all[i], i);
    EXPECT_TRUE(batch.IsExhausted());
}

TEST_F(BatchTest, AWaitingWorkerGetsALateJobAndOneAddedJustBeforeTheEndOfSupply) {
    {
        TvxBatch batch;
        auto worker = std::async(std::launch::async, [&] { return batch.NextNode(); });
        EXPECT_EQ(worker.wait_for(30ms), std::future_status::timeout);
        batch.AddNode("/in/late.chm");
        ASSERT_EQ(worker.wait_for(10s), std::future_status::ready);
        TvxNode* node = worker.get();
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->FileName, "/in/late.chm");
    }
    for (int round = 0; round < 200; ++round) {
        TvxBatch batch;
        auto worker = std::async(std::launch::async, [&] { return Drain(batch); });
        batch.AddFile("/in/last.chm");  // appends, then closes the list
        ASSERT_EQ(worker.wait_for(10s), std::future_status::ready);
        ASSERT_EQ(worker.get(), std::vector<int>{0}) << "round " << round;
    }
}

TEST_F(BatchTest, FailureMessagesAreKeptOncePerSpellingIgnoringCase) {
    TvxBatch batch;
    batch.AddFailure("CreateDir Failed: /out/a/");
    batch.AddFailure("createdir failed: /OUT/A/");
    batch.AddFailure("Word is missing");
    batch.AddSuccess();
    EXPECT_EQ(batch.Failures, 3);
    EXPECT_EQ(batch.Successes, 1);
    EXPECT_EQ(batch.FailureMessages,
              (std::vector<std::string>{"CreateDir Failed: /out/a/", "Word is missing"}));
}

TEST_F(BatchTest, NodeAddedHandlerRunsOutsideTheLockAndMayTakeItAgain) {
    TvxBatch batch;
    std::vector<std::string> seen;
    batch.OnNodeAdded = [&](TvxBatch* sender, TvxNode* node) {
        TvxNodeList& nodes = sender->LockNodes();
        seen.push_back(nodes[node->Index]->FileName);
        sender->UnlockNodes();
    };
    batch.AddNode("/in/a.chm");
    batch.AddFile("/in/b.chm");
    EXPECT_EQ(seen, (std::vector<std::string>{"/in/a.chm", "/in/b.chm"}));
}

TEST_F(BatchTest, NodeStartedIsToldOncePerHandedOutJobWithoutTheLockHeld) {
    TvxBatch batch;
    batch.AddNode("/in/a.chm");
    batch.AddFile("/in/b.chm");
    std::vector<int> started;
    bool lockFreeDuringCall = true;
    // Kept outside the handler, so that a held lock fails the test instead
    // of hanging it in the future's destructor.
    std::vector<std::future<void>> others;
    batch.OnNodeStarted = [&](TvxBatch* sender, TvxNode* node) {
        started.push_back(node->Index);
        // A handler that waits for another thread (the window's does) must
        // not hold the lock that thread may need.
        others.push_back(std::async(std::launch::async, [sender] {
            sender->LockNodes();
            sender->UnlockNodes();
        }));
        lockFreeDuringCall &= others.back().wait_for(5s) == std::future_status::ready;
    };
    EXPECT_EQ(Drain(batch), (std::vector<int>{0, 1}));
    EXPECT_EQ(started, (std::vector<int>{0, 1}));
    EXPECT_TRUE(lockFreeDuringCall);
    EXPECT_EQ(batch.NextNode(), nullptr);
    EXPECT_EQ(started.size(), 2u);
}

TEST_F(BatchTest, StartSplitsTheSourceAndSearchesOnlyOnce) {
    pellintest::TempTree tree;
    tree.File("one.chm");
    TvxBatch batch;
    batch.Start(tree.Path("*.chm"), tree.Path("out/deep"), false);
    EXPECT_EQ(batch.SourceDir, tree.Dir());
    EXPECT_EQ(batch.Mask, "*.chm");
    EXPECT_EQ(batch.TargetDir, tree.Path("out/deep"));
    EXPECT_TRUE(std::filesystem::is_directory(tree.Path("out/deep")));
    ASSERT_TRUE(WaitUntil([&] { return batch.SearchDone.load(); }));

    tree.File("two.chm");
    batch.Start(tree.Path("*.chm"), tree.Path("out"), false);
    batch.WaitFor();  // a second search, had one started, has ended
    EXPECT_EQ(batch.NodeCount(), 1);
    EXPECT_EQ(batch.TargetDir, tree.Path("out"));  // the fields are still replaced
}

TEST_F(BatchTest, EmptyTargetFailsBeforeAnythingIsSearched) {
    pellintest::TempTree tree;
    tree.File("one.chm");
    TvxBatch batch;
    try {
        batch.Start(tree.Path("*.chm"), "", false);
        FAIL() << "Start accepted an empty target";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "Unable to create directory");
    }
    EXPECT_FALSE(batch.Started());
    EXPECT_EQ(batch.NodeCount(), 0);
}

TEST_F(BatchTest, AFilterThatRefusesOrFailsStillEndsTheSupply) {
    RefuseAll refuse;
    vxMatch = &refuse;
    {
        TvxBatch batch;
        batch.AddFile("/in/x.chm");
        EXPECT_EQ(batch.NodeCount(), 0);
        EXPECT_TRUE(batch.SearchDone.load());
        EXPECT_EQ(batch.NextNode(), nullptr);
    }

    pellintest::TempTree tree;
    tree.File("one.chm");
    ThrowingMatch broken;
    vxMatch = &broken;
    TvxBatch batch;
    batch.Start(tree.Path("*.chm"), tree.Path("out"), false);
    auto worker = std::async(std::launch::async, [&] { return batch.NextNode(); });
    ASSERT_EQ(worker.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(worker.get(), nullptr);
    EXPECT_TRUE(batch.SearchDone.load());
}

TEST_F(BatchTest, DestroyingAControllerStopsItsSearchOrNeedsNone) {
    const auto neverStarted = std::async(std::launch::async, [] { TvxBatch idle; });
    ASSERT_EQ(neverStarted.wait_for(10s), std::future_status::ready)
        << "a controller without a search waited for one";

    pellintest::TempTree tree;
    for (int i = 0; i < 300; ++i) tree.File("f" + std::to_string(i) + "/a.chm");
    auto batch = std::make_unique<TvxBatch>();
    std::atomic<int> added{0};
    std::atomic<bool> destroyed{false};
    std::atomic<int> addedAfterwards{0};
    batch->OnNodeAdded = [&](TvxBatch*, TvxNode*) {
        if (destroyed) ++addedAfterwards;
        ++added;
        std::this_thread::sleep_for(2ms);  // a slow window keeps the search going
    };
    batch->Start(tree.Path("*.chm"), tree.Path("out"), true);
    ASSERT_TRUE(WaitUntil([&] { return added > 0; }));
    auto destruction = std::async(std::launch::async, [&] {
        batch.reset();
        destroyed = true;
    });
    ASSERT_EQ(destruction.wait_for(10s), std::future_status::ready) << "destroying hung";
    EXPECT_EQ(0, addedAfterwards.load()) << "the search outlived its controller";
    EXPECT_LT(added.load(), 300) << "the search ran to its end instead of stopping";
}
