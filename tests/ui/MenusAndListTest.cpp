// The window as a desktop user meets it: the standard keys reach their
// commands, the list sorts and keeps each job's row, Delete takes rows out
// of a batch before a run only, the options dialog asks before Escape drops
// edits, and the about card stays readable.

#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <cmath>

#include "UiTestSupport.h"
#include "ui/RunStatusBar.h"
#include "ui/TvxFrmCfg.h"

namespace uitest {
namespace {

class MenusAndList : public UiTest {
protected:
    TvxFrmMain& ShownWindowOn(const std::vector<std::string>& files) {
        TvxFrmMain& window = WindowOn(files);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return window;
    }
    static QStringList Names(TvxFrmMain& window) {
        QStringList names;
        for (int row = 0; row < RowCount(window); ++row)
            names << window.lViewer->topLevelItem(row)->text(ui::ColName);
        return names;
    }
    void SearchAndWait(TvxFrmMain& window, int rows) {
        window.aSearchExecute();
        QTRY_COMPARE_WITH_TIMEOUT(RowCount(window), rows, kWait);
        QTRY_VERIFY_WITH_TIMEOUT(window.Batch->SearchDone.load(), kWait);
    }
};

TEST_F(MenusAndList, StandardKeysTriggerTheirCommands) {
    TvxFrmMain& window = ShownWindowOn({});
    const struct {
        QAction* action;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {
        {window.aNew, Qt::Key_N, Qt::ControlModifier},
        {window.aOpen, Qt::Key_O, Qt::ControlModifier},
        {window.aSave, Qt::Key_S, Qt::ControlModifier},
        {window.aSaveAs, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier},
        {window.aSearch, Qt::Key_F, Qt::ControlModifier},
        {window.aConvert, Qt::Key_F5, Qt::NoModifier},
        {window.aHelp, Qt::Key_F1, Qt::NoModifier},
        {window.aQuit, Qt::Key_Q, Qt::ControlModifier},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(k.action->objectName().toStdString());
        QSignalSpy triggered(k.action, &QAction::triggered);
        QTest::keyClick(window.eSource, k.key, k.modifiers);
        EXPECT_EQ(triggered.count(), 1);
    }
    EXPECT_FALSE(window.isVisible());  // Quit closed it
}

TEST_F(MenusAndList, EscapeStopsARunAndTheSummaryFitsANarrowWindow) {
    TvxFrmMain& window = ShownWindowOn({"a.chm", "b.chm"});
    window.resize(640, 480);
    ConvertHeld(window);
    QTest::keyClick(window.lViewer, Qt::Key_Escape);
    EXPECT_FALSE(window.aStop->isEnabled());
    FinishRun(window);
    EXPECT_EQ(Script().jobsProcessed, 1);
    EXPECT_FALSE(window.StatusBar->Progress->isVisible());
    EXPECT_LE(window.StatusBar->fontMetrics().horizontalAdvance(window.StatusBar->Summary()),
              window.StatusBar->width() - 24);
}

TEST_F(MenusAndList, SortedRowsStillTakeTheirOwnJobsResults) {
    TvxFrmMain& window = WindowOn({"b.chm", "bad.chm", "a.chm"});
    SearchAndWait(window, 3);
    EXPECT_EQ(window.StatusBar->Summary(), "Files found: 3");
    window.lViewer->sortByColumn(ui::ColName, Qt::DescendingOrder);
    EXPECT_EQ(Names(window), (QStringList{"bad.chm", "b.chm", "a.chm"}));

    Convert(window);
    for (int row = 0; row < 3; ++row) {
        const std::string name = RowText(window, row, ui::ColName);
        const std::string result = RowText(window, row, ui::ColResult);
        SCOPED_TRACE(name);
        if (name.find("bad") != std::string::npos)
            EXPECT_EQ(result, "Cannot convert");
        else
            EXPECT_EQ(fs::path(result).stem(), fs::path(name).stem());
        EXPECT_EQ(RowText(window, row, ui::ColFolder), Path("src") + "/");
    }
    window.lViewer->sortByColumn(ui::ColStatus, Qt::AscendingOrder);
    EXPECT_EQ(Names(window).first(), "bad.chm");  // failures first
}

TEST_F(MenusAndList, DeleteTakesRowsOutOfTheBatchBeforeARunOnly) {
    TvxFrmMain& window = WindowOn({"a.chm", "b.chm", "c.chm"});
    SearchAndWait(window, 3);
    window.lViewer->findItems("b.chm", Qt::MatchExactly, ui::ColName).first()->setSelected(true);
    QTest::keyClick(window.lViewer, Qt::Key_Delete);
    QStringList left = Names(window);
    left.sort();
    EXPECT_EQ(left, (QStringList{"a.chm", "c.chm"}));

    ConvertHeld(window);
    window.lViewer->topLevelItem(1)->setSelected(true);
    QTest::keyClick(window.lViewer, Qt::Key_Backspace);
    EXPECT_EQ(RowCount(window), 2);  // refused during the run
    FinishRun(window);
    EXPECT_EQ(Script().jobsProcessed, 2);
    EXPECT_EQ(window.Tally().known, 2);
    EXPECT_EQ(window.Tally().converted, 2);
}

TEST_F(MenusAndList, EscapeInTheOptionsDialogAsksOnlyAboutEdits) {
    TvxFrmMain& window = MakeWindow({"ThreadsCount=3"});
    TvxFrmCfg dialog(&window);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(questions.unsavedAsked, 0);

    dialog.show();
    dialog.txtCfg->setPlainText("ThreadsCount=5");
    questions.unsavedAnswer = ui::UnsavedAnswer::Cancel;
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    questions.unsavedAnswer = ui::UnsavedAnswer::Save;
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(questions.unsavedAsked, 2);
    EXPECT_EQ(vxProject->GetThreadsCount(), 5);
}

// The relative luminance contrast of two colours, as accessibility
// guidelines measure it.
double Contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST_F(MenusAndList, AboutCardTextsReadAtEnoughContrast) {
    MakeWindow();
    TvxFrmPellinAbout& about = *vxFrmPellinAbout;
    EXPECT_EQ(about.windowOpacity(), 1.0);
    const QColor card = about.palette().color(QPalette::Window);
    for (QLabel* label : {about.lblProduct, about.lblVersion, about.lblCopright, about.lblDetails})
        EXPECT_GE(Contrast(label->palette().color(QPalette::WindowText), card), 4.5)
            << label->objectName().toStdString();
}

}  // namespace
}  // namespace uitest
