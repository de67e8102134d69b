// The options dialog, the about window, dropping files, the caption, the
// target reduction and the path commands of the main window.

#include <QCheckBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <algorithm>
#include <set>

#include "UiTestSupport.h"
#include "core/OptionCatalog.h"
#include "ui/RunStatusBar.h"
#include "ui/TvxFrmCfg.h"

namespace uitest {
namespace {

class Forms : public UiTest {};

TEST_F(Forms, CaptionNamesTheProjectFileOrNone) {
    TvxFrmMain& window = MakeWindow();
    vxProject->ProjectFile.clear();
    window.UpdateTitle();
    EXPECT_EQ(window.windowTitle(), "Pellin Convertor - None");
    vxProject->ProjectFile = "/p/x.batch-pellin";
    window.UpdateTitle();
    EXPECT_EQ(window.windowTitle(), "Pellin Convertor - /p/x.batch-pellin");
}

TEST_F(Forms, OptionsDialogShowsTypedSourceAndOkAppliesTheEditedText) {
    TvxFrmMain& window = MakeWindow({"ThreadsCount=2", "Source=/old/*.chm"});
    window.eSource->setText("/typed/*.chm");
    TvxFrmCfg dialog(&window);
    dialog.show();
    const QString shown = dialog.txtCfg->toPlainText();
    EXPECT_TRUE(shown.contains("Source=/typed/*.chm")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("ThreadsCount=2"));

    dialog.txtCfg->setPlainText("Source=/new/*.chm\nSubdir=True\nTarget=/out/\nfree text line");
    dialog.btnOk->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(window.eSource->text(), "/new/*.chm");
    EXPECT_TRUE(window.cSubdir->isChecked());
    EXPECT_EQ(window.eTarget->text(), "/out/");
    EXPECT_EQ(vxProject->Options.back(), "free text line");
}

// Cancel keeps the options, an empty text clears the bound controls and the
// older "eSource.Text" key is taken over once.
TEST_F(Forms, OptionsDialogCancelKeepsEmptyTextClearsAndTheOlderKeyIsTakenOnce) {
    TvxFrmMain& window =
        MakeWindow({"Source=/a/*.chm", "Target=/b/", "Subdir=True", "ThreadsCount=3"});
    ASSERT_TRUE(window.cSubdir->isChecked());
    TvxFrmCfg dialog(&window);
    dialog.show();
    dialog.txtCfg->setPlainText("ThreadsCount=9");
    dialog.btnCancel->click();
    EXPECT_EQ(vxProject->GetThreadsCount(), 3);

    dialog.show();
    dialog.txtCfg->clear();
    dialog.btnOk->click();
    EXPECT_TRUE(vxProject->Options.empty());
    EXPECT_EQ(window.eSource->text(), "");
    EXPECT_EQ(window.eTarget->text(), "");
    EXPECT_FALSE(window.cSubdir->isChecked());

    dialog.show();
    dialog.txtCfg->setPlainText("eSource.Text=/x/*.chm");
    dialog.btnOk->click();
    EXPECT_EQ(window.eSource->text(), "/x/*.chm");
    for (const std::string& line : vxProject->Options)
        EXPECT_EQ(line.find("eSource.Text"), std::string::npos);
}

// The window shows the source, its sub-folder switch and the target; every
// other option of the catalogue is set in the options text only.
TEST_F(Forms, EachOptionHasOneBoundControlOrNoneByDesign) {
    MakeWindow();
    const std::set<std::string> withControl = {"Source", "Subdir", "Target"};
    const std::vector<std::string> bound = vxProject->BoundKeys();
    for (const auto& option : options::OptionCatalog()) {
        const auto count = std::count(bound.begin(), bound.end(), option.key);
        EXPECT_EQ(static_cast<std::size_t>(count), withControl.count(option.key)) << option.key;
    }
    EXPECT_EQ(bound.size(), withControl.size());
}

TEST_F(Forms, HelpOpensTheDocumentBesideTheProgram) {
    TvxFrmMain& window = MakeWindow();
    TvxFrmCfg dialog(&window);
    dialog.show();
    dialog.btnHelp->click();
    EXPECT_TRUE(dialog.isVisible());
    // A CHM guide is no guide where nothing shows CHM files: the missing
    // PDF is said instead.
    WriteBytes(Path("bin/pellin.chm"), "x");
    window.aHelpExecute();
    EXPECT_EQ(shell.Opened(), (std::vector<std::string>{Path("bin/pellin.pdf")}));
    EXPECT_TRUE(window.StatusBar->Problem().contains("pellin.pdf does not exist"));
    WriteBytes(Path("bin/pellin.pdf"), "x");
    window.aHelpExecute();
    EXPECT_EQ(shell.Opened().back(), Path("bin/pellin.pdf"));
}

TEST_F(Forms, AboutStartUpCallShowsNothingAndTheFirstClickCloses) {
    MakeWindow();
    TvxFrmPellinAbout& about = *vxFrmPellinAbout;
    about.ShowAbout();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(vxFrmMain->windowOpacity(), 1.0);

    bool shownWhenClicked = false;
    QTimer::singleShot(0, &about, [&] {
        shownWhenClicked = about.isVisible();
        QTest::mouseClick(about.lblVersion, Qt::LeftButton);
    });
    QTimer::singleShot(5000, &about, [&] { about.hide(); });  // a safety net only
    about.ShowAbout();
    EXPECT_TRUE(shownWhenClicked);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.lblProduct->text(), "Pellin Convertor");
    EXPECT_EQ(about.lblVersion->text(), "2025.17.420.2241");
}

TEST_F(Forms, AboutShowsAnAmpersandInTheProductNameAsItself) {
    MakeWindow();
    vxProject->Title = "Help & PDF";
    vxFrmPellinAbout->ShowAbout();
    QTimer::singleShot(0, vxFrmPellinAbout, [] { QTest::keyClick(vxFrmPellinAbout, Qt::Key_A); });
    vxFrmPellinAbout->ShowAbout();
    EXPECT_EQ(vxFrmPellinAbout->lblProduct->text(), "Help & PDF");
    EXPECT_FALSE(vxFrmPellinAbout->isVisible());
}

TEST_F(Forms, PureConsoleStartUpCallMakesTheMainWindowTransparent) {
    MakeWindow({"PureConsole=1"});
    vxFrmPellinAbout->ShowAbout();
    EXPECT_EQ(vxFrmMain->windowOpacity(), 0.0);
    EXPECT_FALSE(vxFrmPellinAbout->isVisible());
}

void Drop(QWidget* target, const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files) urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    // Qt hands a drop only to a visible widget that accepted the drag.
    target->window()->show();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

TEST_F(Forms, DroppedProjectFileIsLoaded) {
    TvxFrmMain& window = MakeWindow();
    const std::string project = Path("x.batch-pellin");
    WriteBytes(project, "Source=/from/project/*.chm\r\nTarget=/to/\r\n");
    Drop(window.lViewer->viewport(), {QString::fromStdString(project)});
    EXPECT_EQ(vxProject->ProjectFile, project);
    EXPECT_EQ(window.eSource->text(), "/from/project/*.chm");
    EXPECT_EQ(window.windowTitle().toStdString(), "Pellin Convertor - " + project);
    EXPECT_EQ(RowCount(window), 0);
}

TEST_F(Forms, FilesDroppedOnAnEditGiveItTheFirstAndOnTheListBecomeRows) {
    TvxFrmMain& window = MakeWindow();
    Drop(window.eSource, {"/d/first.chm", "/d/second.chm"});
    EXPECT_EQ(window.eSource->text(), "/d/first.chm");
    EXPECT_EQ(window.eTarget->text(), "/d/");  // suggested from the source

    // Project files included.
    Drop(window.lViewer->viewport(), {"/d/a.chm", "/d/b.batch-pellin", "/d/c.chm"});
    EXPECT_EQ(vxProject->ProjectFile.find("b.batch-pellin"), std::string::npos);
    ASSERT_NE(window.Batch, nullptr);
    EXPECT_EQ(RowCount(window), window.Batch->NodeCount());
}

TEST_F(Forms, ConvertReducesTheTargetToAnExistingFolder) {
    TvxFrmMain& window = MakeWindow();
    WriteBytes(Path("file.txt"), "x");
    struct Case {
        std::string typed, expected;
    } cases[] = {
        {Path("out") + "/*.pdf", Path("out") + "/"},
        {Path("file.txt"), root.string() + "/"},
        {Path("made/deeper"), Path("made/deeper") + "/"},
        {Path("long/x:y/z"), Path("long") + "/"},  // a ":" after the tenth character
    };
    for (const Case& c : cases) {
        window.eTarget->setText(QString::fromStdString(c.typed));
        window.aConvertExecute();  // no source: nothing starts
        EXPECT_EQ(window.eTarget->text().toStdString(), c.expected) << c.typed;
        EXPECT_FALSE(window.IsRunning());
    }
    EXPECT_TRUE(fs::is_directory(Path("made/deeper")));
}

TEST_F(Forms, FolderChoosersStartFromTheCurrentTextAndKeepItOnCancel) {
    TvxFrmMain& window = MakeWindow();
    window.bSourceClick();  // cancelled with an empty source
    EXPECT_EQ(window.eSource->text(), "/*.chm");

    window.eTarget->clear();
    window.eSource->setText("/docs/old/*.chm");
    chooser.answers.push_back("/docs/new");
    window.bSourceClick();
    EXPECT_EQ(window.eSource->text(), "/docs/new/*.chm");
    EXPECT_EQ(window.eTarget->text(), "/docs/new/");

    window.bTargetClick();  // cancelled
    EXPECT_EQ(window.eTarget->text(), "/docs/new/");
}

TEST_F(Forms, OpenSourceNeedsASelectedRow) {
    TvxFrmMain& window = MakeWindow();
    window.pm1Popup();
    EXPECT_FALSE(window.OpenSource1->isEnabled());
    EXPECT_FALSE(window.ViewSource1->isEnabled());

    const std::string folder = MakeSources({"a.chm"});
    window.WMDropFiles(window.lViewer, {QString::fromStdString(folder + "a.chm")});
    ASSERT_EQ(RowCount(window), 1);
    window.lViewer->topLevelItem(0)->setSelected(true);
    window.pm1Popup();
    EXPECT_TRUE(window.OpenSource1->isEnabled());
    window.ViewSource1Click();
    window.OpenSource1Click();
    EXPECT_EQ(shell.Opened(), (std::vector<std::string>{folder, folder + "a.chm"}));
}

TEST_F(Forms, RecentProjectsAreListedAndMissingOnesDisabled) {
    TvxFrmMain& window = MakeWindow();
    const std::string present = Path("here.batch-pellin");
    WriteBytes(present, "Source=/r/*.chm\r\n");
    vxProject->Recent = {present, Path("gone & lost.batch-pellin")};
    window.pm2Popup();
    const QList<QAction*> items = window.pm2->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_TRUE(items[0]->isEnabled());
    EXPECT_FALSE(items[1]->isEnabled());
    EXPECT_EQ(items[1]->text().toStdString(), Path("gone && lost.batch-pellin"));
    items[0]->trigger();
    EXPECT_EQ(window.eSource->text(), "/r/*.chm");
    EXPECT_EQ(window.windowTitle().toStdString(), "Pellin Convertor - " + present);
}

}  // namespace
}  // namespace uitest
