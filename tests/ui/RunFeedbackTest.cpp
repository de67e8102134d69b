// What the window says when a command cannot do what was asked: Source and
// Target refused with what and where, the details of a job that failed or
// converted only in part, files that cannot be opened; and the error report,
// asked for with what it contains, never sent with a path in it.

#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "UiTestSupport.h"
#include "ui/ImageList.h"
#include "ui/JobDetailsPane.h"
#include "ui/RunStatusBar.h"

namespace uitest {
namespace {

class RunFeedback : public UiTest {
protected:
    static int RowNamed(TvxFrmMain& window, const std::string& part) {
        for (int row = 0; row < RowCount(window); ++row)
            if (RowText(window, row, 1).find(part) != std::string::npos) return row;
        return -1;
    }
    static void Select(TvxFrmMain& window, int row) {
        window.lViewer->clearSelection();
        window.lViewer->topLevelItem(row)->setSelected(true);
    }
    // Converts and lets the question that follows the run come.
    void RunOnce(TvxFrmMain& window) {
        const int asked = questions.reportAsked;
        Convert(window);
        QTest::qWait(20);  // the question is asked from the event loop
        lastRunAsked = questions.reportAsked - asked;
    }
    int lastRunAsked = 0;

    static std::string Inline(TvxFrmMain& window) { return window.InlineMessage().toStdString(); }
    static std::string Problem(TvxFrmMain& window) {
        return window.StatusBar->Problem().toStdString();
    }
};

TEST_F(RunFeedback, AnEmptyTargetIsTheSourcesFolderAndSearchNeedsNone) {
    const std::string source = MakeSources({"a.chm", "b.chm"});
    TvxFrmMain& window = MakeWindow({"Source=" + source + "*.chm"});
    window.aSearchExecute();
    QTRY_COMPARE_WITH_TIMEOUT(RowCount(window), 2, kWait);
    EXPECT_EQ(Inline(window), "");

    Convert(window);
    EXPECT_EQ(window.eTarget->text().toStdString(), source);
    EXPECT_TRUE(fs::exists(root / "src/a.pdf"));
}

TEST_F(RunFeedback, ASourceThatCannotBeSearchedIsRefusedSayingWhereAndClearsTheOldList) {
    TvxFrmMain& window = WindowOn({"a.chm"});
    window.aSearchExecute();
    QTRY_COMPARE_WITH_TIMEOUT(RowCount(window), 1, kWait);

    window.eSource->setText(QString::fromStdString(Path("missing") + "/*.chm"));
    Convert(window);
    EXPECT_EQ(Inline(window), "Source folder " + Path("missing") + "/ does not exist");
    EXPECT_EQ(RowCount(window), 0);
    EXPECT_EQ(Script().jobsProcessed, 0);
    EXPECT_NE(window.StatusBar->Progress->maximum(), 0);  // not busy

    window.eSource->clear();
    window.aSearchExecute();
    EXPECT_NE(Inline(window).find("Choose a Source"), std::string::npos);
}

TEST_F(RunFeedback, AChangedSourceIsSearchedAgainAndAnEmptyResultSaysWhereItLooked) {
    TvxFrmMain& window = WindowOn({"a.chm"});
    window.aSearchExecute();
    QTRY_COMPARE_WITH_TIMEOUT(RowCount(window), 1, kWait);

    fs::create_directories(root / "other");
    WriteBytes(Path("other/b.chm"), "x");
    WriteBytes(Path("other/c.chm"), "x");
    window.eSource->setText(QString::fromStdString(Path("other")));  // a folder, no pattern
    Convert(window);
    EXPECT_EQ(Script().jobsProcessed, 2);
    EXPECT_EQ(RowText(window, 0, 1).rfind(Path("other"), 0), 0u);

    fs::create_directories(root / "empty");
    window.eSource->setText(QString::fromStdString(Path("empty") + "/*.chm"));
    window.aSearchExecute();
    QTRY_VERIFY_WITH_TIMEOUT(!Inline(window).empty(), kWait);
    EXPECT_EQ(Inline(window), "No .chm files found in " + Path("empty") + "/ (Sub folders off).");
}

TEST_F(RunFeedback, APartlyConvertedJobWarnsAndEveryJobTellsItsWholeResult) {
    TvxFrmMain& window = WindowOn({"part.chm", "bad.chm", "good.chm"});
    Convert(window);
    const int part = RowNamed(window, "part");
    const int bad = RowNamed(window, "bad");
    EXPECT_EQ(RowStatus(window, part), 1);
    EXPECT_EQ(window.RowImage(part), ui::ImgWarning);
    EXPECT_EQ(window.RowImage(RowNamed(window, "good")), ui::ImgSuccess);

    Select(window, part);
    const std::string details = window.pDetails->toPlainText().toStdString();
    EXPECT_NE(details.find("Converted with warnings"), std::string::npos) << details;
    EXPECT_NE(details.find("2 of 5 topics left out: a.htm (unreadable)"), std::string::npos);
    EXPECT_NE(details.find("decompile 1.20 s, book 0.31 s"), std::string::npos) << details;

    Select(window, bad);
    EXPECT_NE(window.pDetails->toPlainText().indexOf("Cannot convert\nsecond line"), -1);
    EXPECT_EQ(window.lViewer->topLevelItem(bad)->toolTip(2), "Cannot convert\nsecond line");
    window.CopyReason1Click();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("Cannot convert\nsecond line"));
}

TEST_F(RunFeedback, RowCommandsShowTheFolderRetryTheFailedAndShowTheLog) {
    TvxFrmMain& window = WindowOn({"bad.chm", "good.chm"});
    Convert(window);
    Select(window, RowNamed(window, "good"));
    window.ShowInFolder1Click();
    EXPECT_EQ(shell.Opened().back(), Path("out") + "/");

    window.ShowRunLog1Click();
    auto* log = window.findChild<QPlainTextEdit*>("RunLogText");
    ASSERT_NE(log, nullptr);
    EXPECT_TRUE(log->toPlainText().contains("[Failure] => "));

    window.RetryFailed1Click();
    QTRY_VERIFY_WITH_TIMEOUT(IsIdle(window), kWait);
    EXPECT_EQ(Script().jobsProcessed, 3);  // two, then the failed one again
    ASSERT_EQ(RowCount(window), 1);
    EXPECT_EQ(RowText(window, 0, 1), Path("src/bad.chm"));
}

TEST_F(RunFeedback, WhatCannotBeOpenedIsSaidWithShowInFolderAsTheWayOut) {
    TvxFrmMain& window = WindowOn({"bad.chm", "good.chm"});
    Convert(window);
    const size_t opened = shell.Opened().size();
    emit window.lViewer->itemActivated(window.lViewer->topLevelItem(RowNamed(window, "bad")), 1);
    EXPECT_EQ(shell.Opened().size(), opened);
    EXPECT_NE(Problem(window).find("No PDF to open"), std::string::npos);

    shell.refuse = true;
    const std::string pdf = Path("out") + "/good.pdf";
    emit window.lViewer->itemActivated(window.lViewer->topLevelItem(RowNamed(window, "good")), 1);
    EXPECT_EQ(Problem(window), "No program could be started to open " + pdf + ".");
    ASSERT_FALSE(window.StatusBar->WayOut->isHidden());
    window.StatusBar->WayOut->click();
    EXPECT_EQ(shell.Opened().back(), Path("out") + "/");

    // No guide beside the program: said, nothing handed on.
    shell.refuse = false;
    window.aHelpExecute();
    EXPECT_EQ(Problem(window), Path("bin/pellin.pdf") + " does not exist.");
    EXPECT_NE(shell.Opened().back(), Path("bin/pellin.pdf"));
}

TEST_F(RunFeedback, AnErrorReportIsSentOnlyWhenAgreedWithoutPathsAndTheAnswerMayLast) {
    TvxFrmMain& window = WindowOn({"gone one.chm", "bad2.chm", "good.chm"});
    RunOnce(window);
    EXPECT_EQ(lastRunAsked, 1);
    EXPECT_TRUE(shell.Opened().empty());  // Don't send
    QStringList shown = questions.reportShown;
    shown.sort();
    EXPECT_EQ(shown, QStringList({"Cannot convert?", "Cannot read *.chm"}));

    questions.reportAnswer = {true, true};  // Send, don't ask again
    RunOnce(window);
    EXPECT_EQ(lastRunAsked, 1);
    ASSERT_EQ(shell.Opened().size(), 1u);
    EXPECT_NE(shell.Opened()[0].find("a=err&"), std::string::npos);
    EXPECT_EQ(shell.Opened()[0].find(root.filename().string()), std::string::npos);

    RunOnce(window);  // the kept answer: sent without asking
    EXPECT_EQ(lastRunAsked, 0);
    EXPECT_EQ(shell.Opened().size(), 2u);

    questions.reportAnswer = {false, true};
    KeepErrorReportChoice(*vxProject, ErrorReportChoice::Ask);
    RunOnce(window);
    RunOnce(window);  // "don't send" kept
    EXPECT_EQ(lastRunAsked, 0);
    EXPECT_EQ(shell.Opened().size(), 2u);
}

}  // namespace
}  // namespace uitest
