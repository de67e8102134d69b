// New, Open and closing the window ask before options changed in the window
// are given up; unattended runs never ask, and the options the start-up
// loaded (from a file or the command line) are no change.

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "UiTestSupport.h"
#include "ui/TvxFrmCfg.h"

namespace uitest {
namespace {

class UnsavedChanges : public UiTest {};

TEST_F(UnsavedChanges, EditsOfTheBoundControlsAndTheOptionsDialogCount) {
    TvxFrmMain& window = MakeWindow({"Source=/a/*.chm", "Target=/out/"});
    EXPECT_FALSE(window.HasUnsavedChanges());
    window.eSource->setText("/b/*.chm");
    EXPECT_TRUE(window.HasUnsavedChanges());
    window.eSource->setText("/a/*.chm");
    EXPECT_FALSE(window.HasUnsavedChanges());  // back as it was
    window.cSubdir->setChecked(true);
    EXPECT_TRUE(window.HasUnsavedChanges());
    window.cSubdir->setChecked(false);

    TvxFrmCfg dialog(&window);
    dialog.show();
    dialog.btnOk->click();  // unchanged text
    EXPECT_FALSE(window.HasUnsavedChanges());
    dialog.show();
    dialog.txtCfg->appendPlainText("ThreadsCount=2");
    dialog.btnOk->click();
    EXPECT_TRUE(window.HasUnsavedChanges());
}

TEST_F(UnsavedChanges, ChosenAndDroppedSourcesCount) {
    TvxFrmMain& window = MakeWindow();
    window.WMDropFiles(window.eSource, {"/d/one.chm"});
    EXPECT_TRUE(window.HasUnsavedChanges());
    window.aNewExecute();  // cancelled by the script
    EXPECT_EQ(questions.unsavedAsked, 1);
    EXPECT_EQ(window.eSource->text(), "/d/one.chm");

    questions.unsavedAnswer = ui::UnsavedAnswer::Discard;
    window.aNewExecute();
    EXPECT_EQ(window.eSource->text(), "");
    EXPECT_FALSE(window.HasUnsavedChanges());

    MakeSources({"two.chm"});
    chooser.answers.push_back(Path("src/two.chm"));
    window.bSourceFileClick();
    EXPECT_TRUE(window.HasUnsavedChanges());
}

TEST_F(UnsavedChanges, SaveAnswerWritesTheProjectBeforeOpening) {
    TvxFrmMain& window = MakeWindow();
    vxProject->ProjectFile.clear();  // Save goes through Save As
    const std::string other = Path("other.batch-pellin");
    WriteBytes(other, "Source=/other/*.chm\r\n");
    window.eSource->setText("/mine/*.chm");
    questions.unsavedAnswer = ui::UnsavedAnswer::Save;
    const std::string mine = Path("mine.batch-pellin");
    chooser.answers = {mine, other};  // Save As, then Open
    window.aOpenExecute();
    EXPECT_NE(Bytes(mine).find("Source=/mine/*.chm\r\n"), std::string::npos);
    EXPECT_EQ(window.eSource->text(), "/other/*.chm");
    EXPECT_FALSE(window.HasUnsavedChanges());
}

TEST_F(UnsavedChanges, ACancelledSaveKeepsTheWindowAndItsChanges) {
    TvxFrmMain& window = MakeWindow();
    vxProject->ProjectFile.clear();  // Save goes through Save As
    window.show();
    window.eTarget->setText("/typed/");
    questions.unsavedAnswer = ui::UnsavedAnswer::Save;  // then the dialog is cancelled
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.HasUnsavedChanges());

    questions.unsavedAnswer = ui::UnsavedAnswer::Cancel;
    window.close();
    EXPECT_TRUE(window.isVisible());
    questions.unsavedAnswer = ui::UnsavedAnswer::Discard;
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(questions.unsavedAsked, 3);
}

TEST_F(UnsavedChanges, AFailedSaveIsToldAndCancelsTheCommand) {
    TvxFrmMain& window = MakeWindow();
    vxProject->ProjectFile = Path("no/such/folder/p.batch-pellin");
    window.eSource->setText("/changed/*.chm");
    questions.unsavedAnswer = ui::UnsavedAnswer::Save;
    // The error shows in a message box, which the test closes.
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    window.aNewExecute();
    EXPECT_EQ(window.eSource->text(), "/changed/*.chm");
}

TEST_F(UnsavedChanges, CommandLineOptionsAreNoChange) {
    vxProject->CmdOptions = "Source=/cmd/*.chm\r\nThreadsCount=2";
    TvxFrmMain& window = MakeWindow();
    ASSERT_EQ(window.eSource->text(), "/cmd/*.chm");
    ASSERT_EQ(window.eTarget->text(), "/cmd/");  // filled from the source
    EXPECT_FALSE(window.HasUnsavedChanges());
    window.show();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(questions.unsavedAsked, 0);
}

TEST_F(UnsavedChanges, UnattendedRunsNeverAsk) {
    for (const std::string option : {"RunAndClose=1", "Daemon=60000", "PureConsole=1"}) {
        SCOPED_TRACE(option);
        TvxFrmMain& window = MakeWindow({option});
        window.eSource->setText("/changed/*.chm");
        window.show();
        window.close();
        EXPECT_FALSE(window.isVisible());
        delete vxFrmMain;
        vxFrmMain = nullptr;
        delete vxFrmPellinAbout;
        vxFrmPellinAbout = nullptr;
    }
    EXPECT_EQ(questions.unsavedAsked, 0);
}

TEST_F(UnsavedChanges, TheProgramsOwnCloseAfterARunDoesNotAsk) {
    const std::string source = MakeSources({"a.chm"});
    TvxFrmMain& window =
        MakeWindow({"Source=" + source + "*.chm", "Target=" + Path("out"), "ThreadsCount=1"});
    window.show();
    window.aConvertExecute();  // tidies the target: no change of the user's
    QTRY_VERIFY_WITH_TIMEOUT(IsIdle(window), kWait);
    EXPECT_EQ(window.eTarget->text().toStdString(), Path("out") + "/");
    EXPECT_FALSE(window.HasUnsavedChanges());

    window.eSource->setText("/changed/*.chm");
    window.CloseByProgram();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(questions.unsavedAsked, 0);
}

}  // namespace
}  // namespace uitest
