#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "batch/TvxBatch.h"
#include "batch/TvxMatch.h"
#include "batch/TvxNode.h"
#include "console/TvxErrorReport.h"
#include "console/TvxMain.h"
#include "convert/TvxConvertor.h"
#include "convert/TvxFileUtils.h"
#include "core/TvxInfo.h"
#include "core/TvxProject.h"
#include "platform/RecordingShellLauncher.h"

namespace fs = std::filesystem;

namespace {

// A converter whose outcome is chosen by the file name: "bad" fails,
// everything else succeeds with the target name the real rules give.
class ScriptedConvertor : public TvxConvertor {
public:
    using TvxConvertor::TvxConvertor;
    void ConvertFile(TvxBatch* batch, TvxNode* node) override {
        const std::string target = MakeTargetName(batch, node);
        if (target.empty()) return;  // skipped
        if (node->FileName.find("bad") != std::string::npos) {
            node->ResultText = "Damaged file: no table";
            node->Status = TvxNode::Failed;
            batch->AddFailure(node->ResultText);
            return;
        }
        std::ofstream(target) << "pdf";
        node->ResultText = target;
        node->Status = TvxNode::Done;
        batch->AddSuccess();
    }
};

class TvxMainTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = {vxProject, vxInfo, vxMatch};
        vxProject = &project;
        vxInfo = &info;
        vxMatch = &match;
        info.SetProject(&project);
        project.ShortName = "pellin";
        project.TargetExt = ".pdf";
        project.ConvertorClass = [](TvxBatch* batch, int count,
                                    const TvxNodeEvent& onJobDone) -> TvxConvertor* {
            return new ScriptedConvertor(batch, count, onJobDone);
        };
        root = fs::temp_directory_path() / ("pellin-console-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "in");
        project.SetOption("Source", (root / "in/*.chm").string());
        project.SetOption("Target", (root / "out").string());
        runner.PollInterval = std::chrono::milliseconds(5);
    }
    void TearDown() override {
        std::tie(vxProject, vxInfo, vxMatch) = saved;
        fs::remove_all(root);
    }

    void Source(const std::string& name) { std::ofstream(root / "in" / name) << "chm"; }
    std::string LogText() { return TvxFileUtils::ReadFileText((root / "run.log").string()); }

    std::tuple<TvxProject*, TvxInfo*, TvxMatchBase*> saved;
    TvxProject project;
    platform::RecordingShellLauncher shell;
    TvxInfo info{shell, "/opt/pellin/pellin"};
    TvxMatch match;
    TvxMain runner;
    fs::path root;
};

}  // namespace

TEST_F(TvxMainTest, EveryJobGetsOneLogLineAndFailuresOneReport) {
    for (int i = 0; i < 8; ++i) Source("good" + std::to_string(i) + ".chm");
    Source("bad1.chm");
    Source("bad2.CHM");
    Source("notes.txt");
    project.SetOption("ThreadsCount", "3");
    project.SetOption("LogFile", (root / "run.log").string());

    runner.Run();

    const std::string log = LogText();
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = log.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(log.substr(start, end - start));
    EXPECT_EQ(log.size(), start) << "every line ends in CR LF";
    ASSERT_EQ(10u, lines.size());
    int failures = 0;
    for (const auto& line : lines) {
        if (line.rfind("Failure => ", 0) == 0) {
            ++failures;
            EXPECT_NE(std::string::npos, line.find("/in/bad")) << line;
            EXPECT_NE(std::string::npos, line.find(" => Damaged file: no table")) << line;
        } else {
            EXPECT_EQ(0u, line.rfind("Success => " + (root / "in/good").string(), 0)) << line;
            EXPECT_NE(std::string::npos, line.find(" => " + (root / "out/good").string())) << line;
        }
    }
    EXPECT_EQ(2, failures);
    EXPECT_EQ(2, runner.Batch->Failures);
    EXPECT_EQ(8, runner.Batch->Successes);

    // The same message twice is reported once.
    const auto opened = shell.Opened();
    ASSERT_EQ(1u, opened.size());
    EXPECT_NE(std::string::npos, opened[0].find("a=err&e="));
    EXPECT_EQ(opened[0].find("Damaged"), opened[0].rfind("Damaged"));
}

TEST_F(TvxMainTest, ASkippedJobIsASuccessWithoutResult) {
    Source("x.chm");
    fs::create_directories(root / "out");
    std::ofstream(root / "out/x.pdf") << "existing";
    project.SetOption("IsOverwrite", "Skip");
    project.SetOption("LogFile", (root / "run.log").string());
    runner.Run();
    EXPECT_EQ("Success => " + (root / "in/x.chm").string() + " => \r\n", LogText());
    EXPECT_TRUE(shell.Opened().empty());
}

TEST_F(TvxMainTest, ARunWithoutJobsWritesAnEmptyLogAndNoReport) {
    project.SetOption("Source", "");
    project.SetOption("LogFile", (root / "run.log").string());
    runner.Run();
    EXPECT_EQ("", LogText());
    EXPECT_EQ(0, runner.Batch->NodeCount());
    EXPECT_TRUE(shell.Opened().empty());

    project.SetOption("LogFile", "");  // no log file: nothing written
    fs::remove(root / "run.log");
    runner.Run();
    EXPECT_FALSE(fs::exists(root / "run.log"));
}

TEST_F(TvxMainTest, ALogThatCannotBeWrittenEscapesAfterTheReport) {
    Source("bad.chm");
    project.SetOption("LogFile", (root / "missing/run.log").string());
    EXPECT_ANY_THROW(runner.Run());
    EXPECT_EQ(1u, shell.Opened().size());
}

TEST(ErrorReportAction, QuotesWhatACommaTextMustQuote) {
    EXPECT_EQ("err&e=plain,\"with blank\",\"a,b\",\"say \"\"hi\"\"\",what%3F,\"tab\t\"",
              ErrorReportAction({"plain", "with blank", "a,b", "say \"hi\"", "what?", "tab\t"}));
    EXPECT_EQ("err&e=", ErrorReportAction({}));
}

TEST_F(TvxMainTest, EachShardWritesItsOwnLogNamedByPercentK) {
    for (int i = 0; i < 12; ++i) Source("good" + std::to_string(i) + ".chm");
    project.SetOption("LogFile", (root / "shard-%K.log").string());
    std::set<std::string> logged;
    for (int k = 0; k < 3; ++k) {
        project.SetOption("Shard", std::to_string(k) + "/3");
        TvxMain shardRunner;
        shardRunner.PollInterval = std::chrono::milliseconds(5);
        shardRunner.Run();
        const auto log =
            TvxFileUtils::ReadFileText((root / ("shard-" + std::to_string(k) + ".log")).string());
        for (const auto& line : shardRunner.LogLines) {
            EXPECT_NE(std::string::npos, log.find(line + "\r\n")) << line;
            EXPECT_TRUE(logged.insert(line).second) << line << " in two shards";
        }
    }
    EXPECT_EQ(12u, logged.size());

    // Without Shard the name is taken as typed.
    project.SetOption("Shard", "");
    runner.Run();
    EXPECT_TRUE(fs::exists(root / "shard-%K.log"));
    EXPECT_EQ(12u, runner.LogLines.size());
}
