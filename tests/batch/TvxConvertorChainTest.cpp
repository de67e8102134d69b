#include <gtest/gtest.h>

#include <condition_variable>
#include <set>
#include <stdexcept>

#include "../platform/QueuedDispatcher.h"
#include "BatchTestSupport.h"
#include "batch/TvxBatch.h"
#include "convert/job/TvxConvertor.h"
#include "core/ThreadsCount.h"
#include "platform/process/StopRequest.h"

using namespace std::chrono_literals;
using pellintest::WaitUntil;

namespace {

// What the test converter does with each job; set by each test before the
// chain starts.
std::function<void(TvxBatch*, TvxNode*)> convertScript;

class TestConvertor : public TvxConvertor {
public:
    using TvxConvertor::TvxConvertor;
    void ConvertFile(TvxBatch* batch, TvxNode* node) override { convertScript(batch, node); }
};

void SucceedWithTarget(TvxBatch* batch, TvxNode* node) {
    node->Status = TvxNode::Done;
    node->ResultText = node->FileName + ".pdf";
    batch->AddSuccess();
}

// A clock whose readings are given in advance.
class ScriptedClock : public platform::TickClock {
public:
    explicit ScriptedClock(std::vector<std::uint32_t> readings) : readings_(std::move(readings)) {}
    std::uint32_t TickCount() const override { return readings_[next_++ % readings_.size()]; }

private:
    std::vector<std::uint32_t> readings_;
    mutable std::atomic<std::size_t> next_{0};
};

class ChainTest : public ::testing::Test {
protected:
    void SetUp() override {
        convertScript = SucceedWithTarget;
        scope_.project().ConvertorClass = [](TvxBatch* batch, int count,
                                             const TvxNodeEvent& onJobDone) {
            return static_cast<TvxConvertor*>(new TestConvertor(batch, count, onJobDone));
        };
    }
    void TearDown() override { TvxWorkBase::SetTickClock(nullptr); }

    void AddJobs(int count, bool closeList = true) {
        for (int i = 0; i < count; ++i) batch_->AddNode("/in/" + std::to_string(i) + ".chm");
        batch_->SearchDone = closeList;
    }

    // Starts the chain as the console runner does and waits for its end.
    bool RunToEnd(const TvxNodeEvent& onJobDone = nullptr) {
        TvxConvertor* head = TvxConvertor::StartChain(batch_.get(), "/out/", onJobDone);
        LiveConverters = head->ChainCount;
        head->ResumeChain();
        return WaitUntil([] { return LiveConverters.load() <= 0; });
    }

    TvxNode* Job(int index) {
        TvxNodeList& nodes = batch_->LockNodes();
        TvxNode* node = nodes.at(index).get();
        batch_->UnlockNodes();
        return node;
    }

    pellintest::ProjectScope scope_;
    std::unique_ptr<TvxBatch> batch_ = std::make_unique<TvxBatch>();
};

std::vector<int> Counts(TvxConvertor* head) {
    std::vector<int> counts;
    for (TvxConvertor* c = head; c; c = c->NextInChain) counts.push_back(c->ChainCount);
    return counts;
}

}  // namespace

TEST_F(ChainTest, ThreadsCountGivesTheChainLengthWithAtLeastOneWorkerAndFourPerProcessor) {
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"3", {3, 2, 1}}, {"0", {1}}, {"-1", {1}}, {"abc", {1}}, {"", {1}}};
    AddJobs(0);
    for (const auto& [option, expected] : cases) {
        scope_.project().SetOption("ThreadsCount", option);
        TvxConvertor* head = TvxConvertor::StartChain(batch_.get(), "/out/", nullptr);
        EXPECT_EQ(Counts(head), expected) << "ThreadsCount=" << option;
        EXPECT_NE(dynamic_cast<TestConvertor*>(head), nullptr);
        LiveConverters = head->ChainCount;
        head->ResumeChain();
        ASSERT_TRUE(WaitUntil([] { return LiveConverters.load() <= 0; }));
    }
    EXPECT_EQ(batch_->TargetDir, "/out/");
    // An absurd count is cut to four converters per processor.
    scope_.project().SetOption("ThreadsCount", "100000");
    EXPECT_EQ(TvxConvertor::ChainLength(), 4 * options::ProcessorCount());
}

TEST_F(ChainTest, WorkersProcessEveryJobOnceAndReportEachDone) {
    scope_.project().SetOption("ThreadsCount", "3");
    AddJobs(50);
    std::mutex doneMutex;
    std::multiset<int> done;
    ASSERT_TRUE(RunToEnd([&](TvxBatch*, TvxNode* node) {
        std::lock_guard lock(doneMutex);
        done.insert(node->Index);
    }));
    EXPECT_EQ(done.size(), 50u);
    EXPECT_EQ(std::set<int>(done.begin(), done.end()).size(), 50u);
    EXPECT_EQ(batch_->Successes, 50);
    EXPECT_EQ(Job(49)->ResultText, "/in/49.chm.pdf");
    EXPECT_TRUE(batch_->IsExhausted());
}

TEST_F(ChainTest, EmptyBatchEndsEveryWorkerWithOneFinishCallEach) {
    scope_.project().SetOption("ThreadsCount", "4");
    AddJobs(0, false);
    pellintest::QueuedDispatcher mainThread;
    pellintest::DispatcherGuard guard(&mainThread);
    TvxConvertor* head = TvxConvertor::StartChain(batch_.get(), "/out/", nullptr);
    int running = head->ChainCount;
    LiveConverters = running;
    head->SetFinishHandler([&] { --running; });  // runs on this thread only
    head->ResumeChain();
    ASSERT_TRUE(WaitUntil([&] { return batch_->WaitingForSearch.load() == 4; }));
    EXPECT_EQ(running, 4);  // still waiting for the search
    batch_->SearchDone = true;
    for (int call = 0; call < 4; ++call)
        ASSERT_TRUE(mainThread.ServeOne(10s)) << "finish call " << call;
    EXPECT_EQ(running, 0);
    ASSERT_TRUE(WaitUntil([] { return LiveConverters.load() <= 0; }));
    EXPECT_FALSE(mainThread.ServeOne(20ms));
}

TEST_F(ChainTest, ErrorEscapingTheJobIsRecordedAndTheWorkerGoesOn) {
    convertScript = [](TvxBatch* batch, TvxNode* node) {
        if (node->Index == 0) throw std::runtime_error("Word crashed");
        SucceedWithTarget(batch, node);
    };
    AddJobs(2);
    std::atomic<int> notified{0};
    ASSERT_TRUE(RunToEnd([&](TvxBatch*, TvxNode*) { ++notified; }));
    TvxNode* failed = Job(0);
    EXPECT_EQ(failed->ResultText, "Word crashed");
    EXPECT_EQ(failed->Status, TvxNode::Waiting);
    EXPECT_EQ(failed->Elapsed, 0);
    EXPECT_EQ(Job(1)->Status, TvxNode::Done);
    EXPECT_EQ(notified.load(), 1);
    EXPECT_EQ(batch_->Successes, 1);
    EXPECT_EQ(batch_->Failures, 0);
}

TEST_F(ChainTest, ForeignThrowEndsOnlyThatWorkerWhichStillCountsDown) {
    scope_.project().SetOption("ThreadsCount", "2");
    std::atomic<bool> thrown{false};
    convertScript = [&](TvxBatch* batch, TvxNode* node) {
        if (!thrown.exchange(true)) throw 7;
        SucceedWithTarget(batch, node);
    };
    AddJobs(20);
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(batch_->Successes, 19);
    EXPECT_EQ(LiveConverters.load(), 0);
}

TEST_F(ChainTest, StopLetsTheJobInHandFinishAndKeepsTheRestForTheNextChain) {
    std::mutex gateMutex;
    std::condition_variable gate;
    bool open = false, entered = false;
    convertScript = [&](TvxBatch* batch, TvxNode* node) {
        std::unique_lock lock(gateMutex);
        entered = true;
        gate.notify_all();
        gate.wait_for(lock, 10s, [&] { return open; });
        SucceedWithTarget(batch, node);
    };
    AddJobs(5);
    TvxConvertor* head = TvxConvertor::StartChain(batch_.get(), "/out/", nullptr);
    TvxWorkerChainRef chain = head->Chain();
    LiveConverters = head->ChainCount;
    head->ResumeChain();
    {
        std::unique_lock lock(gateMutex);
        ASSERT_TRUE(gate.wait_for(lock, 10s, [&] { return entered; }));
    }
    head->StopChain();
    {
        std::lock_guard lock(gateMutex);
        open = true;
    }
    gate.notify_all();
    ASSERT_TRUE(WaitUntil([] { return LiveConverters.load() <= 0; }));
    EXPECT_EQ(batch_->Successes, 1);
    EXPECT_EQ(batch_->NextIndex, 1);
    EXPECT_FALSE(batch_->IsExhausted());
    chain->Stop();  // every worker has ended: nothing left to reach
    EXPECT_EQ(chain->LiveCount(), 0);

    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(batch_->Successes, 5);
}

TEST_F(ChainTest, OwnerMayFreeTheBatchAsSoonAsTheCountReachesZero) {
    scope_.project().SetOption("ThreadsCount", "4");
    for (int round = 0; round < 30; ++round) {
        batch_ = std::make_unique<TvxBatch>();
        AddJobs(3);
        ASSERT_TRUE(RunToEnd());
        batch_.reset();  // workers may still be leaving; they must not touch it
    }
}

// A stop of the whole process (a signal) ends every worker without beginning
// another job, even one handed out while the worker was waiting for it.
TEST_F(ChainTest, AProcessStopBeginsNoFurtherJob) {
    scope_.project().SetOption("ThreadsCount", "2");
    std::atomic<int> begun{0};
    convertScript = [&](TvxBatch* batch, TvxNode* node) {
        ++begun;
        SucceedWithTarget(batch, node);
    };
    AddJobs(0, false);
    TvxConvertor* head = TvxConvertor::StartChain(batch_.get(), "/out/", nullptr);
    LiveConverters = head->ChainCount;
    head->ResumeChain();
    ASSERT_TRUE(WaitUntil([&] { return batch_->WaitingForSearch.load() == 2; }));
    platform::RequestStop();
    AddJobs(3);
    ASSERT_TRUE(WaitUntil([] { return LiveConverters.load() <= 0; }));
    platform::ClearStopRequest();
    EXPECT_EQ(begun.load(), 0);
    EXPECT_EQ(Job(2)->Status, TvxNode::Waiting);
}

TEST_F(ChainTest, EachJobKnowsTheTickItWasBegunAtAndItsTimeSurvivesAWrapOfTheCounter) {
    ScriptedClock clock({1000u, 1500u});
    TvxWorkBase::SetTickClock(&clock);
    AddJobs(1);
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(Job(0)->StartTick, 1000u);
    EXPECT_EQ(Job(0)->Elapsed, 500);

    ScriptedClock wrapping({0xFFFFFFF0u, 0x00000010u});
    TvxWorkBase::SetTickClock(&wrapping);
    batch_ = std::make_unique<TvxBatch>();
    AddJobs(1);
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(Job(0)->Elapsed, 0x20);
}
