// The window during a run: the status bar's counts and time, the converting
// and not-converted marks of the rows, the summary at the end and the
// desktop notification, and opening a row's PDF.

#include <QLabel>
#include <QProgressBar>

#include "UiTestSupport.h"
#include "ui/ImageList.h"
#include "ui/RunStatusBar.h"
#include "ui/RunSummary.h"

namespace uitest {
namespace {

class RunProgress : public UiTest {
protected:
    // The window with the status bar on the test's clock.
    TvxFrmMain& WindowOn(const std::vector<std::string>& files,
                         std::vector<std::string> options = {}) {
        TvxFrmMain& window = UiTest::WindowOn(files, std::move(options));
        window.StatusBar->SetClock(&clock);
        return window;
    }
    static std::string Counts(TvxFrmMain& window) {
        return window.StatusBar->Counts->text().toStdString();
    }
    static std::string Failures(TvxFrmMain& window) {
        return window.StatusBar->Failures->text().toStdString();
    }
    // Lets one more job through the gate and waits until the next one is
    // in hand (or, for the last, until the job was processed).
    static void Step(int processedAfter) {
        Script().Let(1);
        QTRY_COMPARE_WITH_TIMEOUT(Script().jobsProcessed.load(), processedAfter, kWait);
    }

    ManualClock clock;
};

TEST_F(RunProgress, StatusBarCountsFinishedOfKnownJobsAndFailuresAsTheRunGoes) {
    TvxFrmMain& window = WindowOn({"a.chm", "bad.chm", "c.chm"});
    ConvertHeld(window);
    QTRY_COMPARE_WITH_TIMEOUT(RowCount(window), 3, kWait);
    EXPECT_TRUE(window.StatusBar->Progress->isVisibleTo(&window));
    EXPECT_EQ(Counts(window), "0 of 3");
    EXPECT_EQ(Failures(window), "0 failed");

    // The jobs go in search order; find which one fails.
    int badRow = -1;
    for (int row = 0; row < 3; ++row)
        if (RowText(window, row, 1).find("bad") != std::string::npos) badRow = row;
    ASSERT_GE(badRow, 0);
    for (int done = 1; done <= 2; ++done) {
        Step(done);
        QTRY_COMPARE_WITH_TIMEOUT(Counts(window), std::to_string(done) + " of 3", kWait);
        EXPECT_EQ(window.StatusBar->Progress->value(), done);
        EXPECT_EQ(window.StatusBar->Progress->maximum(), 3);
        EXPECT_EQ(Failures(window), badRow < done ? "1 failed" : "0 failed");
        EXPECT_TRUE(window.StatusBar->IsTiming());
    }
    FinishRun(window);
    EXPECT_EQ(Counts(window), "3 of 3");
    EXPECT_FALSE(window.StatusBar->IsTiming());
}

TEST_F(RunProgress, TheRowInHandShowsConvertingAndKeepsStatusZeroForTheLog) {
    TvxFrmMain& window = WindowOn({"a.chm", "b.chm"});
    Script().CloseGate();
    window.aConvertExecute();
    QTRY_COMPARE_WITH_TIMEOUT(RowCount(window), 2, kWait);
    QTRY_COMPARE_WITH_TIMEOUT(window.RowImage(0), int(ui::ImgConverting), kWait);
    EXPECT_EQ(window.RowImage(1), int(ui::ImgWaiting));
    EXPECT_EQ(RowStatus(window, 0), 0);

    Step(1);
    QTRY_COMPARE_WITH_TIMEOUT(window.RowImage(1), int(ui::ImgConverting), kWait);
    EXPECT_EQ(window.RowImage(0), int(ui::ImgSuccess));
    chooser.answers.push_back(Path("mid.log"));
    window.ExportList1Click();
    EXPECT_NE(Bytes(Path("mid.log")).find("[Running] => " + RowText(window, 1, 1) + " => \r\n"),
              std::string::npos);
    FinishRun(window);
}

TEST_F(RunProgress, StopDropsTheBatchAndMarksTheUntakenRowsNotConvertedWhileTheLogSaysRunning) {
    TvxFrmMain& window = WindowOn({"a.chm", "b.chm", "c.chm"});
    ConvertHeld(window);
    QTRY_COMPARE_WITH_TIMEOUT(RowCount(window), 3, kWait);  // Stop also ends the search
    window.aStopExecute();
    FinishRun(window);
    EXPECT_EQ(window.Batch, nullptr);
    EXPECT_EQ(RowCount(window), 3);
    EXPECT_EQ(window.DropBatchAtFinish(), 0);

    EXPECT_EQ(window.RowImage(0), int(ui::ImgSuccess));
    for (int row = 1; row < 3; ++row) {
        EXPECT_EQ(window.RowImage(row), int(ui::ImgNotConverted));
        EXPECT_EQ(RowStatus(window, row), 0);
    }
    EXPECT_EQ(window.Tally().notConverted, 2);
    EXPECT_EQ(window.StatusBar->Summary().toStdString(),
              "1 converted, 0 failed, 0 skipped, 2 not converted in 0 s");
    chooser.answers.push_back(Path("stopped.log"));
    window.ExportList1Click();
    const std::string log = Bytes(Path("stopped.log"));
    EXPECT_NE(log.find("[Running] => " + RowText(window, 2, 1) + " => \r\n"), std::string::npos)
        << log;
}

TEST_F(RunProgress, ARowWhoseConverterGaveUpIsMarkedNotConvertedAtTheEnd) {
    TvxFrmMain& window = WindowOn({"throw.chm"});
    Convert(window);
    EXPECT_EQ(window.RowImage(0), int(ui::ImgNotConverted));
    EXPECT_EQ(RowStatus(window, 0), 0);
    EXPECT_EQ(window.StatusBar->Summary().toStdString(),
              "0 converted, 0 failed, 0 skipped, 1 not converted in 0 s");
}

TEST_F(RunProgress, SummaryCountsConvertedFailedAndSkippedOverTheWorkingTime) {
    TvxFrmMain& window = WindowOn({"a.chm", "b.chm", "bad.chm", "skip.chm"}, {"ThreadsCount=2"});
    Script().CloseGate();
    window.aConvertExecute();
    QTRY_COMPARE_WITH_TIMEOUT(Script().JobsInHand(), 2, kWait);
    clock.now += 123'400;  // 2 min 03.4 s
    window.StatusBar->RefreshTime();
    EXPECT_EQ(window.StatusBar->Elapsed->text().toStdString(), "2:03");
    FinishRun(window);
    EXPECT_EQ(window.StatusBar->Summary().toStdString(),
              "2 converted, 1 failed, 1 skipped in 2 min 03 s");
    // The window was never activated: the user hears of the end.
    ASSERT_EQ(notifier.sent.size(), 1u);
    EXPECT_EQ(notifier.sent[0].first.toStdString(), "Pellin Convertor");
    EXPECT_EQ(notifier.sent[0].second, window.StatusBar->Summary());
}

TEST_F(RunProgress, TheTimeOfABatchGoesOnAfterPauseAndStartsAgainWithANewSearch) {
    TvxFrmMain& window = WindowOn({"a.chm", "b.chm"});
    ConvertHeld(window);
    clock.now += 5'000;
    window.aPauseExecute();
    FinishRun(window);
    clock.now += 60'000;  // paused: not working time
    Convert(window);
    EXPECT_EQ(window.StatusBar->ElapsedMs(), 5'000);

    window.aConvertExecute();  // a finished batch: a new search
    QTRY_VERIFY_WITH_TIMEOUT(IsIdle(window), kWait);
    EXPECT_EQ(window.StatusBar->ElapsedMs(), 0);
}

TEST_F(RunProgress, OpenPdfHandsTheResultOfASucceededRowToTheShell) {
    TvxFrmMain& window = WindowOn({"a.chm", "bad.chm"});
    Convert(window);
    const int good = RowText(window, 0, 1).find("bad") == std::string::npos ? 0 : 1;
    const int bad = 1 - good;
    const std::vector<std::string> reports = shell.Opened();  // the error report

    window.lViewer->topLevelItem(bad)->setSelected(true);
    window.pm1Popup();
    EXPECT_FALSE(window.OpenPdf1->isEnabled());
    window.OpenPdf1Click();
    EXPECT_EQ(shell.Opened(), reports);

    window.lViewer->clearSelection();
    window.lViewer->topLevelItem(good)->setSelected(true);
    window.pm1Popup();
    EXPECT_TRUE(window.OpenPdf1->isEnabled());
    window.OpenPdf1->trigger();
    const std::string pdf = Path("out") + "/a.pdf";
    EXPECT_EQ(shell.Opened().back(), pdf);

    // Enter on the current row opens it too.
    window.show();
    window.lViewer->setFocus();
    window.lViewer->setCurrentItem(window.lViewer->topLevelItem(good));
    QTest::keyClick(window.lViewer, Qt::Key_Return);
    EXPECT_EQ(shell.Opened().size(), reports.size() + 2);
    EXPECT_EQ(shell.Opened().back(), pdf);
}

TEST(RunSummaryText, NamesTheCountsAndTheTimeInWholeSeconds) {
    ui::RowTally tally;
    tally.converted = 38;
    tally.failed = 2;
    EXPECT_EQ(ui::RunSummaryText(tally, 123'999).toStdString(),
              "38 converted, 2 failed, 0 skipped in 2 min 03 s");
    EXPECT_EQ(ui::DurationText(7'500).toStdString(), "7 s");
    EXPECT_EQ(ui::DurationText(3'723'000).toStdString(), "1 h 02 min 03 s");
    EXPECT_EQ(ui::ClockText(59'999).toStdString(), "0:59");
    EXPECT_EQ(ui::ClockText(3'723'000).toStdString(), "1:02:03");
}

}  // namespace
}  // namespace uitest
