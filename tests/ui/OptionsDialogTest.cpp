// The options dialog's list of known options and its marks before Ok:
// unknown keys with the closest known key, keys given twice, values that do
// not parse; going back keeps the options, accepting takes the text.

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "UiTestSupport.h"
#include "ui/OptionLineCheck.h"
#include "ui/TvxFrmCfg.h"

namespace uitest {
namespace {

using Kind = ui::OptionLineProblem::Kind;

class OptionsDialog : public UiTest {
protected:
    static QTreeWidgetItem* KeyRow(TvxFrmCfg& dialog, const QString& key) {
        const auto found = dialog.lvKeys->findItems(key, Qt::MatchExactly | Qt::MatchRecursive, 0);
        return found.isEmpty() ? nullptr : found.first();
    }
    static std::string ValueShown(TvxFrmCfg& dialog, const QString& key) {
        const QTreeWidgetItem* row = KeyRow(dialog, key);
        return row ? row->text(1).toStdString() : "<no row>";
    }
};

TEST_F(OptionsDialog, KnownOptionsShowTheValueInUseAsTheTextIsEdited) {
    TvxFrmMain& window = MakeWindow({"ThreadsCount=$10", "Subdir=1"});
    TvxFrmCfg dialog(&window);
    dialog.show();
    for (const options::OptionInfo& option : options::OptionCatalog())
        EXPECT_NE(KeyRow(dialog, option.key), nullptr) << option.key;
    EXPECT_FALSE(KeyRow(dialog, "ThreadsCount")->text(2).isEmpty());  // the meaning
    EXPECT_EQ(ValueShown(dialog, "ThreadsCount"), "16");
    EXPECT_EQ(ValueShown(dialog, "Subdir"), "True");
    EXPECT_EQ(ValueShown(dialog, "KeepTargetSubdirs"), "True");  // the default

    dialog.txtCfg->setPlainText("ThreadsCount=abc\nDaemon=500");
    EXPECT_EQ(ValueShown(dialog, "ThreadsCount"), "1");    // does not parse: default
    EXPECT_EQ(ValueShown(dialog, "RunAndClose"), "True");  // implied by Daemon
    EXPECT_TRUE(KeyRow(dialog, "ThreadsCount")->font(1).italic());
    EXPECT_FALSE(KeyRow(dialog, "Daemon")->font(1).italic());
}

TEST_F(OptionsDialog, DoubleClickOnAKeyAddsItsLineOnce) {
    TvxFrmMain& window = MakeWindow({"Source=/a/*.chm"});
    TvxFrmCfg dialog(&window);
    dialog.show();
    emit dialog.lvKeys->itemDoubleClicked(KeyRow(dialog, "ThreadsCount"), 0);
    dialog.txtCfg->insertPlainText("3");
    emit dialog.lvKeys->itemDoubleClicked(KeyRow(dialog, "Source"), 0);
    const QString text = dialog.txtCfg->toPlainText();
    EXPECT_TRUE(text.endsWith("\nThreadsCount=3")) << text.toStdString();
    EXPECT_EQ(text.count("Source="), 1);
}

TEST_F(OptionsDialog, OkMarksUnknownDuplicateAndBadLinesAndGoingBackKeepsTheOptions) {
    TvxFrmMain& window = MakeWindow({"ThreadsCount=3"});
    TvxFrmCfg dialog(&window);
    dialog.show();
    dialog.txtCfg->setPlainText(
        "ThreadCount=2\nSubdir=1\nsubdir=0\nDaemon=soon\nfree text\neSource.Text=/x/*.chm");
    questions.acceptProblems = false;
    dialog.btnOk->click();

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(vxProject->GetThreadsCount(), 3);
    const auto& marked = dialog.MarkedProblems();
    ASSERT_EQ(marked.size(), 3u);
    EXPECT_EQ(marked[0].line, 0);
    EXPECT_EQ(marked[0].kind, Kind::UnknownKey);
    EXPECT_EQ(marked[1].line, 2);
    EXPECT_EQ(marked[1].kind, Kind::DuplicateKey);
    EXPECT_EQ(marked[2].line, 3);
    EXPECT_EQ(marked[2].kind, Kind::BadValue);
    ASSERT_EQ(questions.problemsShown.size(), 3);
    EXPECT_EQ(questions.problemsShown[0].toStdString(),
              "line 1: \"ThreadCount\" is not a known option; did you mean \"ThreadsCount\"?");
    EXPECT_EQ(questions.problemsShown[1].toStdString(),
              "line 3: \"subdir\" is given again; only line 2 is read");
    EXPECT_EQ(questions.problemsShown[2].toStdString(),
              "line 4: \"Daemon\" expects a whole number; the default 0 is used");
    EXPECT_EQ(dialog.txtCfg->extraSelections().size(), 3);
    EXPECT_TRUE(dialog.lProblems->isVisibleTo(&dialog));

    // The marks follow the edits once shown.
    dialog.txtCfg->setPlainText("ThreadsCount=2\nSubdir=1");
    EXPECT_TRUE(dialog.MarkedProblems().empty());
    EXPECT_TRUE(dialog.txtCfg->extraSelections().isEmpty());
    EXPECT_FALSE(dialog.lProblems->isVisibleTo(&dialog));
}

TEST_F(OptionsDialog, AcceptingAnywayTakesTheTextAsWritten) {
    TvxFrmMain& window = MakeWindow();
    TvxFrmCfg dialog(&window);
    dialog.show();
    dialog.txtCfg->setPlainText("Subdir =1\nThreadsCount=2");
    questions.acceptProblems = true;
    dialog.btnOk->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(questions.problemsShown.size(), 1);
    EXPECT_EQ(vxProject->OptionLines(), (std::vector<std::string>{"Subdir =1", "ThreadsCount=2"}));
    EXPECT_FALSE(window.cSubdir->isChecked());
}

TEST_F(OptionsDialog, CleanTextIsTakenWithoutAQuestionAndTheDialogResizes) {
    TvxFrmMain& window = MakeWindow();
    TvxFrmCfg dialog(&window);
    dialog.show();
    dialog.txtCfg->setPlainText("ThreadsCount=2\nIsOverwrite=Skip\nOutline=headings");
    dialog.btnOk->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(questions.problemsShown.isEmpty());
    EXPECT_EQ(vxProject->GetThreadsCount(), 2);

    EXPECT_LT(dialog.minimumWidth(), dialog.maximumWidth());
    EXPECT_LT(dialog.minimumHeight(), dialog.maximumHeight());
}

TEST(OptionLineCheck, LinesWithoutKeyAndOlderControlKeysAreNotMarked) {
    EXPECT_TRUE(ui::CheckOptionLines({"", "a note", "eSource.Text=/x/", "cSubdir.Checked=True",
                                      "Source=", "RenameSource=.done"})
                    .empty());
    const auto problems = ui::CheckOptionLines({"Zzyzx=1", "Shard=4/4", "Outline=toc"});
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].kind, Kind::UnknownKey);
    EXPECT_EQ(problems[0].closestKey, "");  // nothing close
    EXPECT_EQ(problems[1].kind, Kind::BadValue);
    EXPECT_EQ(problems[2].kind, Kind::BadValue);
    EXPECT_EQ(ui::ProblemText(problems[0]).toStdString(),
              "line 1: \"Zzyzx\" is not a known option");
}

TEST(OptionLineCheck, ValueInUseIsTheFirstLineParsedOrTheDefault) {
    const options::OptionInfo& overwrite = *options::FindOption("IsOverwrite");
    EXPECT_EQ(ui::ValueInUseOf(overwrite, {"isoverwrite=SKIP"}).text.toStdString(), "skip");
    EXPECT_EQ(ui::ValueInUseOf(overwrite, {"IsOverwrite=0", "IsOverwrite=1"}).text.toStdString(),
              "False");
    const ui::ValueInUse fallback = ui::ValueInUseOf(overwrite, {"IsOverwrite=maybe"});
    EXPECT_EQ(fallback.text.toStdString(), "True");
    EXPECT_TRUE(fallback.isDefault);
    const options::OptionInfo& runAndClose = *options::FindOption("RunAndClose");
    EXPECT_EQ(ui::ValueInUseOf(runAndClose, {"RunAndClose=0", "PureConsole=1"}).text.toStdString(),
              "True");
    EXPECT_EQ(ui::ValueInUseOf(runAndClose, {"Daemon=0"}).text.toStdString(), "False");
}

}  // namespace
}  // namespace uitest
