#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <future>
#include <set>
#include <sstream>
#include <thread>

#include "RecordingShellLauncher.h"
#include "ScratchFolder.h"
#include "batch/TvxBatch.h"
#include "batch/TvxMatch.h"
#include "batch/TvxNode.h"
#include "console/TvxErrorReport.h"
#include "console/TvxMain.h"
#include "convert/chm/TvxFileUtils.h"
#include "convert/job/TvxConvertor.h"
#include "core/TvxInfo.h"
#include "core/TvxProject.h"
#include "platform/process/StopRequest.h"

namespace fs = std::filesystem;

namespace {

std::atomic<int> convertorsMade{0};

// Waits, as a job in an office or a decompiler would, until the process is
// asked to stop; bounded so a failing test cannot hang.
void WaitForStop() {
    std::promise<void> stopped;
    platform::StopSubscription onStop([&] { stopped.set_value(); });
    stopped.get_future().wait_for(std::chrono::seconds(20));
}

// A converter whose outcome is chosen by the file name: "bad" fails, "slow"
// fails only when the process is asked to stop, everything else succeeds
// with the target name the real rules give.
class ScriptedConvertor : public TvxConvertor {
public:
    ScriptedConvertor(TvxBatch* batch, std::int32_t count, const TvxNodeEvent& onJobDone)
        : TvxConvertor(batch, count, onJobDone) {
        ++convertorsMade;
    }
    void ConvertFile(TvxBatch* batch, TvxNode* node) override {
        const std::string target = MakeTargetName(batch, node);
        if (target.empty()) return;  // skipped
        if (node->FileName.find("slow") != std::string::npos) {
            WaitForStop();
            node->ResultText = "The run was stopped";
            node->Status = TvxNode::Failed;
            batch->AddFailure(node->ResultText);
            return;
        }
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
        fs::create_directories(root / "in");
        project.SetOption("Source", (root / "in/*.chm").string());
        project.SetOption("Target", (root / "out").string());
        runner.PollInterval = std::chrono::milliseconds(5);
        runner.Messages = &messages;
        convertorsMade = 0;
    }
    void TearDown() override {
        std::tie(vxProject, vxInfo, vxMatch) = saved;
        platform::ClearStopRequest();
    }
    std::vector<std::string> MessageLines() const {
        std::vector<std::string> lines;
        std::istringstream text(messages.str());
        for (std::string line; std::getline(text, line);) lines.push_back(line);
        return lines;
    }
    bool Said(const std::string& line) const {
        const auto lines = MessageLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    void Source(const std::string& name) { std::ofstream(root / "in" / name) << "chm"; }
    std::string LogText() { return TvxFileUtils::ReadFileText((root / "run.log").string()); }

    std::tuple<TvxProject*, TvxInfo*, TvxMatchBase*> saved;
    TvxProject project;
    testsupport::RecordingShellLauncher shell;
    TvxInfo info{shell, "/opt/pellin/pellin"};
    TvxMatch match;
    TvxMain runner;
    std::ostringstream messages;
    testsupport::ScratchFolder scratch{"console"};
    const fs::path& root = scratch.Path();
};

}  // namespace

TEST_F(TvxMainTest, EveryJobGetsOneLogLineAndFailuresOneReport) {
    for (int i = 0; i < 8; ++i) Source("good" + std::to_string(i) + ".chm");
    Source("bad1.chm");
    Source("bad2.CHM");
    Source("notes.txt");
    project.SetOption("ThreadsCount", "3");
    project.SetOption("LogFile", (root / "run.log").string());

    EXPECT_EQ(ExitJobsFailed, runner.Run());

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

    // Nobody agreed to an error report: nothing is opened.
    EXPECT_TRUE(shell.Opened().empty());
}

TEST_F(TvxMainTest, AnEmptyFolderIsAnEmptyRunAndNoSourceStartsNoneButBothWriteAnEmptyLog) {
    project.SetOption("LogFile", (root / "run.log").string());
    EXPECT_EQ(ExitSuccess, runner.Run());
    EXPECT_EQ("", LogText());
    EXPECT_EQ(MessageLines().back().rfind("0 converted, 0 failed, 0 skipped in ", 0), 0u);

    project.SetOption("Source", "");
    EXPECT_EQ(ExitNotStarted, runner.Run());
    EXPECT_EQ("", LogText());
    EXPECT_EQ(0, runner.Batch->NodeCount());
    EXPECT_TRUE(shell.Opened().empty());
    EXPECT_TRUE(
        Said("No Source is given; name the help files to convert, such as "
             "Source=/docs/*.chm"));

    project.SetOption("LogFile", "");  // no log file: nothing written
    fs::remove(root / "run.log");
    EXPECT_EQ(ExitNotStarted, runner.Run());
    EXPECT_FALSE(fs::exists(root / "run.log"));
}

TEST_F(TvxMainTest, ARunLogThatWouldReplaceAHelpFileOrAPdfKeepsTheRunFromStarting) {
    Source("guide.chm");
    fs::create_directories(root / "out");
    fs::create_symlink(root / "in/guide.chm", root / "link.log");
    for (const fs::path& log : {root / "in/guide.chm", root / "link.log", root / "out/x.pdf"}) {
        project.SetOption("LogFile", log.string());
        EXPECT_EQ(ExitNotStarted, runner.Run()) << log;
        EXPECT_EQ(MessageLines().back().rfind("LogFile " + log.string(), 0), 0u)
            << MessageLines().back();
        EXPECT_EQ(0, convertorsMade.load());
    }
    EXPECT_EQ("chm", TvxFileUtils::ReadFileText((root / "in/guide.chm").string()));
    EXPECT_FALSE(fs::exists(root / "out/x.pdf"));

    // A log the Source pattern takes is written, and in the next run no job.
    project.SetOption("LogFile", (root / "in/run.chm").string());
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(ExitSuccess, runner.Run());
        EXPECT_EQ(1, runner.Batch->NodeCount());
    }
    EXPECT_EQ(TvxFileUtils::ReadFileText((root / "in/run.chm").string()).rfind("Success => ", 0),
              0u);
}

TEST_F(TvxMainTest, ALogThatCannotBeWrittenEscapesAndOpensNothing) {
    Source("bad.chm");
    project.SetOption("LogFile", (root / "missing/run.log").string());
    EXPECT_ANY_THROW(runner.Run());
    EXPECT_TRUE(shell.Opened().empty());
}

TEST(ErrorReportAction, QuotesWhatACommaTextMustQuote) {
    EXPECT_EQ("err&e=plain,\"with blank\",\"a,b\",\"say \"\"hi\"\"\",what%3F,tab\\t",
              ErrorReportAction({"plain", "with blank", "a,b", "say \"hi\"", "what?", "tab\t"}));
    EXPECT_EQ("err&e=", ErrorReportAction({}));
}

TEST(ErrorReportAction, KeepsNoPathOnlyExtensions) {
    const std::vector<std::string> reported = ReportableMessages(
        {"Cannot open /home/ann/My Docs/guide 2.chm: damaged",
         "CreateDir Failed: /home/ann/out/secret/", "Cannot open /srv/b.CHM",
         "Cannot open /srv/c.chm", "Cannot open /srv/d.chm",
         "The target x.pdf is taken in this run by /srv/k/y.chm",
         "LibreOffice was too slow on intro.htm"},
        {"/home/ann/My Docs/", "/home/ann/My Docs/guide 2.chm", "/home/ann/out/"});
    EXPECT_EQ(reported,
              (std::vector<std::string>{"Cannot open *.chm: damaged", "CreateDir Failed: */",
                                        "Cannot open *.CHM", "Cannot open *.chm",
                                        "The target x.pdf is taken in this run by *.chm",
                                        "LibreOffice was too slow on intro.htm"}));
}

TEST_F(TvxMainTest, EachShardWritesItsOwnLogNamedByPercentK) {
    for (int i = 0; i < 12; ++i) Source("good" + std::to_string(i) + ".chm");
    project.SetOption("LogFile", (root / "shard-%K.log").string());
    std::set<std::string> logged;
    for (int k = 0; k < 3; ++k) {
        project.SetOption("Shard", std::to_string(k) + "/3");
        TvxMain shardRunner;
        shardRunner.PollInterval = std::chrono::milliseconds(5);
        shardRunner.Messages = &messages;
        EXPECT_EQ(ExitSuccess, shardRunner.Run());
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
    EXPECT_EQ(ExitSuccess, runner.Run());
    EXPECT_TRUE(fs::exists(root / "shard-%K.log"));
    EXPECT_EQ(12u, runner.LogLines.size());
}

TEST_F(TvxMainTest, AForgedFileNameStaysOneEscapedLogLine) {
    Source("forge\nSuccess => forged.chm => forged.pdf\nx.chm");
    project.SetOption("LogFile", (root / "run.log").string());
    EXPECT_EQ(ExitSuccess, runner.Run());
    const std::string in = (root / "in").string();
    const std::string out = (root / "out").string();
    EXPECT_EQ("Success => " + in + "/forge\\nSuccess => forged.chm => forged.pdf\\nx.chm => " +
                  out + "/forge\\nSuccess => forged.chm => forged.pdf\\nx.pdf\r\n",
              LogText());
    EXPECT_EQ(MessageLines().size(), 2u);  // one progress line, one summary: nothing forged
}

TEST_F(TvxMainTest, EachFinishedJobPrintsOneProgressLineAndTheRunASummary) {
    Source("good.chm");
    Source("bad.chm");
    Source("old.chm");
    fs::create_directories(root / "out");
    std::ofstream(root / "out/old.pdf") << "existing";
    project.SetOption("IsOverwrite", "skip");
    project.SetOption("LogFile", (root / "run.log").string());
    EXPECT_EQ(ExitJobsFailed, runner.Run());
    // A skipped job is a success without result.
    EXPECT_NE(LogText().find("Success => " + (root / "in/old.chm").string() + " => \r\n"),
              std::string::npos);

    const auto lines = MessageLines();
    ASSERT_EQ(lines.size(), 4u) << messages.str();
    std::vector<std::string> jobs(lines.begin(), lines.begin() + 3);
    std::sort(jobs.begin(), jobs.end(), [](const std::string& a, const std::string& b) {
        return a.substr(a.find(']')) < b.substr(b.find(']'));
    });
    EXPECT_NE(jobs[0].find("] bad.chm failed: Damaged file: no table ("), std::string::npos);
    EXPECT_NE(jobs[1].find("] good.chm -> good.pdf ("), std::string::npos);
    EXPECT_NE(jobs[2].find("] old.chm skipped: the PDF exists"), std::string::npos);
    // Counted as they finish, of the jobs found so far.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(lines[i].rfind("[" + std::to_string(i + 1) + "/", 0), 0u) << lines[i];
    EXPECT_EQ(lines[2].rfind("[3/3] ", 0), 0u) << lines[2];
    EXPECT_EQ(lines[3].rfind("1 converted, 1 failed, 1 skipped in ", 0), 0u) << lines[3];
}

TEST_F(TvxMainTest, QuietLeavesOutProgressAndSummaryButNotWarnings) {
    Source("good.chm");
    project.SetOption("Quiet", "1");
    project.SetOption("Subdirs", "1");
    EXPECT_EQ(ExitSuccess, runner.Run());
    EXPECT_EQ(MessageLines(), std::vector<std::string>{
                                  "Warning: Unknown option \"Subdirs\" is ignored; did you mean "
                                  "\"Subdir\"?"});
    EXPECT_TRUE(fs::exists(root / "out/good.pdf"));  // the run went on
}

// A malformed shard, a broken RegExt (which would convert everything) and
// an unusable target are each named once; the log keeps its name as typed.
TEST_F(TvxMainTest, ASettingThatCannotWorkIsNamedOnceAndNoJobRuns) {
    Source("good.chm");
    const std::string taken = (root / "taken").string();
    std::ofstream(taken) << "a file, not a folder";
    const std::string log = (root / "shard-%K.log").string();
    project.SetOption("LogFile", log);
    const struct {
        const char* key;
        std::string value, message;
    } cases[] = {
        {"Shard", "4/4", "The option Shard=4/4 expects K/N with 0 <= K < N, such as 0/4"},
        {"RegExt", "manual[0-9",
         "RegExt \"manual[0-9\" is not a valid regular expression: Expected ']' in regular "
         "expression"},
        {"Target", taken, "Cannot write to " + taken + "/: Not a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        project.SetOption(c.key, c.value);
        messages.str("");
        EXPECT_EQ(ExitNotStarted, runner.Run());
        EXPECT_EQ(MessageLines(), std::vector<std::string>{c.message});
        EXPECT_EQ(0, convertorsMade.load());
        EXPECT_TRUE(fs::exists(log));
        EXPECT_EQ("", TvxFileUtils::ReadFileText(log));
        project.SetOption(c.key, "");
    }
    EXPECT_FALSE(fs::exists(root / "out/good.pdf"));
}

TEST_F(TvxMainTest, FewerFilesThanThreadsStartNoIdleConverters) {
    Source("only.chm");
    project.SetOption("Source", (root / "in/only.chm").string());
    project.SetOption("ThreadsCount", "4");
    EXPECT_EQ(ExitSuccess, runner.Run());
    EXPECT_EQ(1, convertorsMade.load());

    project.SetOption("ThreadsCount", "100000");
    messages.str("");
    EXPECT_EQ(ExitSuccess, runner.Run());
    EXPECT_EQ(MessageLines().front().rfind("Warning: ThreadsCount=100000 is more than 4 ", 0), 0u)
        << messages.str();
}

TEST_F(TvxMainTest, AStopEndsTheRunWritesTheLogAndOpensNoReport) {
    for (int i = 0; i < 6; ++i) Source("slow" + std::to_string(i) + ".chm");
    project.SetOption("LogFile", (root / "run.log").string());
    std::thread stopper([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        platform::RequestStop();
    });
    EXPECT_EQ(ExitJobsFailed, runner.Run());
    stopper.join();
    // The job in hand is cut short; no other job is begun.
    const std::string log = LogText();
    EXPECT_EQ(log.rfind("Failure => " + (root / "in/slow").string(), 0), 0u) << log;
    EXPECT_EQ(log.find("\r\n"), log.size() - 2) << log;
    EXPECT_NE(log.find(" => The run was stopped\r\n"), std::string::npos) << log;
    EXPECT_TRUE(shell.Opened().empty());
    EXPECT_TRUE(Said("The run was stopped")) << messages.str();
    EXPECT_EQ(MessageLines().back().rfind("0 converted, 1 failed, 0 skipped, 5 not run in ", 0), 0u)
        << messages.str();
}
