// Searching, converting, pausing, stopping and the unattended runs of the
// main window, with a converter that needs no office.

#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>

#include "UiTestSupport.h"
#include "platform/process/StopRequest.h"
#include "ui/ImageList.h"
#include "ui/RunStatusBar.h"

namespace uitest {
namespace {

class MainWindowRun : public UiTest {
protected:
    std::vector<std::string> BatchOrder(TvxFrmMain& window) {
        std::vector<std::string> names;
        TvxNodeList& nodes = window.Batch->LockNodes();
        for (const auto& node : nodes) names.push_back(node->FileName);
        window.Batch->UnlockNodes();
        return names;
    }
};

TEST_F(MainWindowRun, SearchListsMatchingFilesInSearchOrderAsWaitingRows) {
    TvxFrmMain& window = WindowOn({"a.chm", "b.chm", "c.chm", "notes.txt"});
    window.aSearchExecute();
    QTRY_COMPARE_WITH_TIMEOUT(RowCount(window), 3, kWait);
    QTRY_VERIFY_WITH_TIMEOUT(window.Batch->SearchDone.load(), kWait);
    const std::vector<std::string> order = BatchOrder(window);
    ASSERT_EQ(order.size(), 3u);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(RowStatus(window, row), 0);
        EXPECT_EQ(RowText(window, row, 1), order[static_cast<size_t>(row)]);
        EXPECT_EQ(RowText(window, row, 2), "");
    }
}

TEST_F(MainWindowRun, ASearchReplacedWhileItsThreadAddsRowsNeitherHangsNorMixesRows) {
    std::vector<std::string> many;
    for (int i = 0; i < 300; ++i) many.push_back("f" + std::to_string(i) + ".chm");
    TvxFrmMain& window = WindowOn(many);
    window.aSearchExecute();
    QTRY_VERIFY_WITH_TIMEOUT(RowCount(window) > 0, kWait);
    // The first search thread may be waiting for its next row right now.
    window.aSearchExecute();
    QTRY_VERIFY_WITH_TIMEOUT(window.Batch->SearchDone.load(), kWait);
    QTRY_COMPARE_WITH_TIMEOUT(RowCount(window), 300, kWait);
    EXPECT_EQ(RowText(window, 299, 1), BatchOrder(window)[299]);
}

TEST_F(MainWindowRun, TwoThreadsTurnEachRowInPlaceAndReportFailuresOnce) {
    TvxFrmMain& window = WindowOn({"a.chm", "bad1.chm", "c.chm", "bad2.chm"}, {"ThreadsCount=2"});
    questions.reportAnswer.send = true;
    window.aConvertExecute();
    EXPECT_EQ(window.bCreate->text(), "Pause");
    QTRY_VERIFY_WITH_TIMEOUT(IsIdle(window), kWait);

    ASSERT_EQ(RowCount(window), 4);
    const std::vector<std::string> order = BatchOrder(window);
    for (int row = 0; row < 4; ++row) {
        const bool bad = RowText(window, row, 1).find("bad") != std::string::npos;
        EXPECT_EQ(RowText(window, row, 1), order[static_cast<size_t>(row)]);
        EXPECT_EQ(RowStatus(window, row), bad ? 2 : 1);
        // Only the first line of a result shows.
        if (bad)
            EXPECT_EQ(RowText(window, row, 2), "Cannot convert");
        else
            EXPECT_EQ(RowText(window, row, 2).substr(0, Path("out").size()), Path("out"));
    }
    EXPECT_EQ(window.bCreate->text(), "&Convert");
    EXPECT_FALSE(window.bSearchConvert->isVisible());

    QTRY_COMPARE_WITH_TIMEOUT(questions.reportAsked, 1, kWait);
    const std::vector<std::string> opened = shell.Opened();
    ASSERT_EQ(opened.size(), 1u);  // one error report for the whole run
    EXPECT_NE(opened[0].find("err"), std::string::npos);
    EXPECT_NE(opened[0].find("Cannot%20convert%3F"), std::string::npos) << opened[0];
}

TEST_F(MainWindowRun, ConvertAfterAFinishedRunSearchesAgain) {
    TvxFrmMain& window = WindowOn({"a.chm", "b.chm"});
    Convert(window);
    TvxBatch* first = window.Batch;
    ASSERT_TRUE(first && first->IsExhausted());

    MakeSources({"c.chm"});
    Convert(window);
    EXPECT_EQ(Script().jobsProcessed, 5);
    ASSERT_EQ(RowCount(window), 3);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(RowStatus(window, row), 1);
}

TEST_F(MainWindowRun, PauseKeepsUntakenJobsAndTheNextConvertContinues) {
    TvxFrmMain& window = WindowOn({"a.chm", "b.chm", "c.chm"});
    ConvertHeld(window);
    QTRY_COMPARE_WITH_TIMEOUT(RowCount(window), 3, kWait);
    window.aPauseExecute();
    EXPECT_FALSE(window.aPause->isEnabled());
    EXPECT_FALSE(window.aStop->isEnabled());
    FinishRun(window);

    EXPECT_EQ(Script().jobsProcessed, 1);
    ASSERT_NE(window.Batch, nullptr);
    EXPECT_EQ(RowStatus(window, 0), 1);
    EXPECT_EQ(RowStatus(window, 1), 0);
    EXPECT_EQ(window.RowImage(1), int(ui::ImgWaiting));
    EXPECT_EQ(window.Tally().notConverted, 0);
    EXPECT_EQ(window.StatusBar->Summary().toStdString(), "Paused — Convert resumes");

    // Untaken jobs are logged as still running.
    chooser.answers.push_back(Path("paused.log"));
    window.ExportList1Click();
    EXPECT_NE(Bytes(Path("paused.log")).find("[Running] => "), std::string::npos);

    TvxBatch* paused = window.Batch;
    Convert(window);
    EXPECT_EQ(window.Batch, paused);  // no new search
    EXPECT_EQ(Script().jobsProcessed, 3);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(RowStatus(window, row), 1);
    EXPECT_NE(window.StatusBar->Summary().toStdString(), "Paused — Convert resumes");
}

TEST_F(MainWindowRun, CommandsThatReplaceTheBatchAreRefusedDuringARun) {
    TvxFrmMain& window = WindowOn({"a.chm", "b.chm"});
    ConvertHeld(window);
    TvxBatch* running = window.Batch;
    chooser.answers.push_back(Path("src/a.chm"));
    window.bSourceFileClick();
    window.WMDropFiles(window.lViewer, {QString::fromStdString(Path("src/b.chm"))});
    EXPECT_EQ(window.Batch, running);
    EXPECT_EQ(chooser.answers.size(), 1u);                // the dialog was not even shown
    EXPECT_FALSE(window.StatusBar->Problem().isEmpty());  // and the user is told why
    FinishRun(window);
}

TEST_F(MainWindowRun, ClosingDuringARunEndsTheConvertersFirst) {
    TvxFrmMain& window = WindowOn({"a.chm", "b.chm", "c.chm"});
    window.show();
    ConvertHeld(window);
    QTimer::singleShot(50, [] { Script().OpenGate(); });
    window.close();
    EXPECT_FALSE(window.IsRunning());
    EXPECT_EQ(Script().jobsProcessed, 1);  // the job in hand was finished, no more
    delete vxFrmMain;
    vxFrmMain = nullptr;
}

TEST_F(MainWindowRun, ExportOfAnEmptyListWritesAnEmptyFile) {
    TvxFrmMain& window = MakeWindow();
    WriteBytes(Path("empty.log"), "old content");
    chooser.answers.push_back(Path("empty.log"));
    window.ExportList1Click();
    EXPECT_EQ(Bytes(Path("empty.log")), "");
}

// Unattended, a run with failures asks nothing, opens nothing and notifies
// nobody.
TEST_F(MainWindowRun, RunAndCloseConvertsAtStartWritesTheLogAndClosesWithoutAsking) {
    TvxFrmMain& window =
        WindowOn({"a.chm", "bad.chm"}, {"RunAndClose=1", "LogFile=" + Path("run.log")});
    questions.reportAnswer.send = true;
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), kWait);
    QTest::qWait(20);  // a question would be asked from the event loop
    EXPECT_EQ(questions.reportAsked, 0);
    EXPECT_TRUE(shell.Opened().empty());
    EXPECT_TRUE(notifier.sent.empty());
    const std::string log = Bytes(Path("run.log"));
    EXPECT_NE(log.find("[Success] => " + Path("src/a.chm") + " => " + Path("out") + "/a.pdf\r\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("[Failure] => " + Path("src/bad.chm") + " => Cannot convert\r\n"),
              std::string::npos)
        << log;
}

TEST_F(MainWindowRun, RunAndCloseWithoutTargetWritesAnEmptyLogAndCloses) {
    TvxFrmMain& window = MakeWindow({"RunAndClose=1", "LogFile=" + Path("run.log")});
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), kWait);
    EXPECT_TRUE(fs::exists(Path("run.log")));
    EXPECT_EQ(Bytes(Path("run.log")), "");
}

TEST_F(MainWindowRun, UnwritableLogFileNeitherHangsNorKeepsTheWindowOpen) {
    TvxFrmMain& window =
        WindowOn({"a.chm"}, {"RunAndClose=1", "LogFile=" + Path("no/such/folder/run.log")});
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), kWait);
    EXPECT_FALSE(window.IsRunning());
}

TEST_F(MainWindowRun, DaemonRepeatsAfterTheIntervalUntilStop) {
    TvxFrmMain& window =
        WindowOn({"a.chm", "b.chm"}, {"Daemon=150", "LogFile=" + Path("daemon.log")});
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(Script().jobsProcessed >= 4, kWait);
    QTRY_VERIFY_WITH_TIMEOUT(window.IsWaitingForDaemon(), kWait);
    // During the wait the window answers, and Stop is on offer.
    EXPECT_TRUE(window.bSearchConvert->isVisibleTo(&window));
    EXPECT_EQ(window.bSearchConvert->text(), "Sto&p");
    window.aStopExecute();
    const int processed = Script().jobsProcessed;
    EXPECT_FALSE(window.IsWaitingForDaemon());  // no repetition is due any more
    QCoreApplication::processEvents();
    EXPECT_EQ(Script().jobsProcessed, processed);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(IsIdle(window));
    EXPECT_EQ(Bytes(Path("daemon.log")).empty(), false);
}

TEST_F(MainWindowRun, DaemonRetriesARefusedStartWithoutNesting) {
    TvxFrmMain& window = MakeWindow({"Daemon=50", "LogFile=" + Path("daemon.log")});
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(window.IsWaitingForDaemon(), kWait);
    QSignalSpy retries(window.findChild<QTimer*>("daemonTimer"), &QTimer::timeout);
    QTRY_VERIFY_WITH_TIMEOUT(retries.count() >= 3, kWait);  // several refused starts
    EXPECT_TRUE(window.isVisible());
    window.aStopExecute();
    EXPECT_FALSE(window.IsWaitingForDaemon());
}

TEST_F(MainWindowRun, AnUnwritableTargetRunsNoJobAndStillEndsTheUnattendedRun) {
    WriteBytes(Path("taken"), "a file where a folder should be");
    TvxFrmMain& window = WindowOn({"a.chm"}, {"RunAndClose=1", "LogFile=" + Path("run.log")});
    window.eTarget->setText(QString::fromStdString(Path("taken/out")));
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), kWait);
    EXPECT_EQ(Script().jobsProcessed, 0);
    EXPECT_EQ(Bytes(Path("run.log")), "");
}

TEST_F(MainWindowRun, AForgedFileNameStaysOneEscapedLineOfTheLog) {
    const std::string forged = "forge\n[Success] => forged.chm => forged.pdf\nx.chm";
    TvxFrmMain& window = WindowOn({forged}, {"RunAndClose=1", "LogFile=" + Path("run.log")});
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), kWait);
    // The result column shows the first line of the result only, as ever.
    EXPECT_EQ(Bytes(Path("run.log")),
              "[Success] => " + Path("src/") +
                  "forge\\n[Success] => forged.chm => forged.pdf\\nx.chm => " + Path("out") +
                  "/forge\r\n");
}

// SIGTERM or SIGINT reach the window as a stop request of the process.
TEST_F(MainWindowRun, AStopRequestEndsTheRunWritesTheLogAndClosesEvenADaemon) {
    struct ClearAtEnd {
        ~ClearAtEnd() { platform::ClearStopRequest(); }
    } clear;
    TvxFrmMain& window =
        WindowOn({"a.chm", "b.chm", "c.chm"}, {"Daemon=60000", "LogFile=" + Path("run.log")});
    Script().CloseGate();
    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(Script().JobsInHand(), 1, kWait);
    QTRY_COMPARE_WITH_TIMEOUT(RowCount(window), 3, kWait);
    platform::RequestStop();
    QTimer::singleShot(50, [] { Script().OpenGate(); });
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), kWait);
    EXPECT_FALSE(window.IsRunning());
    EXPECT_FALSE(window.IsWaitingForDaemon());
    EXPECT_EQ(Script().jobsProcessed, 1);  // the job in hand, no other
    const std::string log = Bytes(Path("run.log"));
    const auto count = [&](const std::string& word) {
        int found = 0;
        for (auto at = log.find(word); at != std::string::npos; at = log.find(word, at + 1))
            ++found;
        return found;
    };
    EXPECT_EQ(count("[Success] => "), 1) << log;
    EXPECT_EQ(count("[Running] => "), 2) << log;
}

TEST_F(MainWindowRun, ChosenFilesBecomeRowsAndOneFileBecomesTheSource) {
    TvxFrmMain& window = MakeWindow();
    MakeSources({"one.chm", "two.chm"});
    chooser.answers.push_back(Path("src/two.chm") + "\r\n" + Path("src/one.chm") + "\r\n");
    window.eSource->setText("keep me");
    window.bSourceFileClick();
    EXPECT_EQ(window.eSource->text().toStdString(), "keep me");
    ASSERT_EQ(RowCount(window), 2);  // in the dialog's order
    EXPECT_EQ(RowText(window, 0, 1), Path("src/two.chm"));
    EXPECT_EQ(RowText(window, 1, 1), Path("src/one.chm"));
    EXPECT_EQ(window.eTarget->text().toStdString(), Path("src") + "/");

    chooser.answers.push_back(Path("src/one.chm"));
    window.bSourceFileClick();
    EXPECT_EQ(window.eSource->text().toStdString(), Path("src/one.chm"));
    EXPECT_EQ(RowCount(window), 1);
}

TEST_F(MainWindowRun, WebAddressBecomesTheOnlyRowWithoutSearch) {
    TvxFrmMain& window = MakeWindow({"Source=https://example.com/a.chm", "Target=" + Path("out")});
    window.aSearchExecute();
    ASSERT_EQ(RowCount(window), 1);
    EXPECT_EQ(RowText(window, 0, 1), "https://example.com/a.chm");
}

}  // namespace
}  // namespace uitest
