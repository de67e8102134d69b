// The main window's feedback: why Search or Convert did nothing, said under
// the Target; the selected job's details; opening files with the failure
// said in the status bar; the row commands that follow a run (show in
// folder, copy the reason, retry the failed jobs, show the run log).

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "batch/TvxBatch.h"
#include "console/TvxRunCheck.h"
#include "core/TvxProject.h"
#include "platform/process/ShellLauncher.h"
#include "platform/text/EscapedText.h"
#include "platform/text/PathText.h"
#include "ui/JobDetailsPane.h"
#include "ui/JobListView.h"
#include "ui/RowRoles.h"
#include "ui/RunStatusBar.h"
#include "ui/TvxFrmMain.h"
#include "ui/UiServices.h"
#include "ui/UiText.h"

using ui::FolderPart;
using ui::ToQ;
using ui::ToStd;

namespace fs = std::filesystem;

namespace {

bool IsWebAddress(const QString& source) { return source.startsWith("http"); }

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::path(path), ec);
}

QString Shown(const std::string& path) { return ToQ(platform::EscapeControls(path)); }

}  // namespace

void TvxFrmMain::BuildFeedback() {
    lMessage = new QLabel(pAction);
    lMessage->setObjectName("lMessage");
    lMessage->setWordWrap(true);
    lMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lMessage->setContentsMargins(8, 0, 8, 4);
    lMessage->hide();
    // Under the Target row, above the panel's filler.
    if (auto* column = qobject_cast<QVBoxLayout*>(pAction->layout()))
        column->insertWidget(column->indexOf(pTarget) + 1, lMessage);

    pDetails = new ui::JobDetailsPane(pViewer);
    pViewer->layout()->addWidget(pDetails);
    connect(lViewer, &QTreeWidget::itemSelectionChanged, this, &TvxFrmMain::ShowSelectedJob);

    pm1->addSeparator();
    ShowInFolder1 = pm1->addAction(tr("Show in Folder"), this, &TvxFrmMain::ShowInFolder1Click);
    CopyReason1 = pm1->addAction(tr("Copy Reason"), this, &TvxFrmMain::CopyReason1Click);
    RetryFailed1 = pm1->addAction(tr("Retry Failed"), this, &TvxFrmMain::RetryFailed1Click);
    ShowRunLog1 = pm1->addAction(tr("Show Run Log"), this, &TvxFrmMain::ShowRunLog1Click);
    connect(pm1, &QMenu::aboutToShow, this, &TvxFrmMain::UpdateRowActions);

    // Only the user's own edits: a loaded project is searched at Convert.
    connect(eSource, &QLineEdit::editingFinished, this, &TvxFrmMain::SourceEdited);
    connect(cSubdir, &QCheckBox::clicked, this, &TvxFrmMain::SourceEdited);
    searchWatch_ = new QTimer(this);
    searchWatch_->setInterval(50);
    connect(searchWatch_, &QTimer::timeout, this, &TvxFrmMain::WatchSearch);
}

void TvxFrmMain::SayInline(const QString& text) {
    lMessage->setText(text);
    lMessage->setVisible(!text.isEmpty());
}

QString TvxFrmMain::InlineMessage() const {
    return lMessage->isHidden() ? QString() : lMessage->text();
}

// ---- Source and Target -----------------------------------------------------

std::string TvxFrmMain::SourceFolder() const {
    const QString source = eSource->text();
    if (IsWebAddress(source)) return {};
    std::string folder = FolderPart(ToStd(source));
    if (folder.empty() && lViewer->topLevelItemCount() > 0)
        folder = FolderPart(ToStd(ui::JobListView::SourcePath(lViewer->topLevelItem(0))));
    return folder;
}

bool TvxFrmMain::SourceIsReady() {
    if (eSource->text().isEmpty()) {
        SayInline(tr("Choose a Source: a folder to search, or .chm files."));
        eSource->setFocus();
        return false;
    }
    if (IsWebAddress(eSource->text())) return true;
    // A folder typed without a pattern is searched for the help files in it.
    std::error_code ec;
    const std::string typed = ToStd(eSource->text());
    if (fs::is_directory(fs::path(typed), ec))
        eSource->setText(ToQ(platform::IncludeTrailingPathDelimiter(typed) + vxProject->FileMask));
    const auto problem = SourceProblem(ToStd(eSource->text()));
    if (!problem) return true;
    SayInline(ToQ(*problem));
    eSource->setFocus();
    // The list of an earlier Source is not this Source's: it goes.
    ReleaseBatch();
    lViewer->clear();
    tally_ = {};
    StatusBar->Reset();
    return false;
}

// An empty Target means the source's folder.
bool TvxFrmMain::TargetIsReady() {
    if (eTarget->text().isEmpty()) {
        const std::string folder = SourceFolder();
        if (folder.empty()) {
            SayInline(eSource->text().isEmpty() && lViewer->topLevelItemCount() == 0
                          ? tr("Choose a Source: a folder to search, or .chm files.")
                          : tr("Choose a Target folder for the PDF files."));
            eTarget->setFocus();
            return false;
        }
        eTarget->setText(ToQ(folder));
    }
    const QString typed = eTarget->text();
    if (!ReduceTarget()) {
        SayInline(tr("The Target %1 names no folder.").arg(typed));
        eTarget->setFocus();
        return false;
    }
    if (!TargetIsWritable()) {
        eTarget->setFocus();
        return false;
    }
    return true;
}

bool TvxFrmMain::SourceChangedSinceSearch() const {
    return eSource->text() != batchSource_ || cSubdir->isChecked() != batchSubdir_;
}

// The list shown is the list of the Source shown: a changed Source or Subdir
// searches again (or clears the list, saying why it cannot).
void TvxFrmMain::SourceEdited() {
    if (IsRunning() || !Batch || !SourceChangedSinceSearch()) return;
    aSearchExecute();
}

// A search that found nothing says so, and where it looked.
void TvxFrmMain::WatchSearch() {
    if (!Batch) {
        searchWatch_->stop();
        return;
    }
    if (!Batch->SearchDone.load()) return;
    searchWatch_->stop();
    if (lViewer->topLevelItemCount() > 0) return;
    const std::string source = ToStd(batchSource_);
    const QString mask = ToQ(platform::ExtractFileName(source));
    const bool plainExtension =
        mask.startsWith("*.") && mask.count('*') == 1 && !mask.contains('?');
    SayInline(tr("No %1 files found in %2 (Sub folders %3).")
                  .arg(plainExtension ? mask.mid(1) : mask, Shown(FolderPart(source)),
                       batchSubdir_ ? tr("on") : tr("off")));
}

// ---- Opening -------------------------------------------------------------

bool TvxFrmMain::OpenOrSay(const std::string& target) {
    const bool isPath = !target.empty() && target.front() == '/';
    const std::string folder = isPath ? FolderPart(target) : std::string();
    const auto showFolder = [folder] { ui::Shell().Open(folder); };
    const QString wayOut = !folder.empty() && Exists(folder) ? tr("Show in Folder") : QString();
    if (isPath && !Exists(target)) {
        StatusBar->ShowProblem(tr("%1 does not exist.").arg(Shown(target)), wayOut, showFolder);
        return false;
    }
    if (ui::Shell().Open(target)) {
        StatusBar->ClearProblem();
        return true;
    }
    StatusBar->ShowProblem(tr("No program could be started to open %1.").arg(Shown(target)), wayOut,
                           showFolder);
    return false;
}

// ---- The selected job and the row commands --------------------------------

void TvxFrmMain::ShowSelectedJob() { pDetails->ShowRow(FirstSelectedRow()); }

void TvxFrmMain::UpdateRowActions() {
    const QTreeWidgetItem* row = FirstSelectedRow();
    ShowInFolder1->setEnabled(row != nullptr);
    CopyReason1->setEnabled(row != nullptr);
    bool anyFailed = false;
    for (int i = 0; i < lViewer->topLevelItemCount() && !anyFailed; ++i)
        anyFailed = lViewer->topLevelItem(i)->data(0, ui::StatusRole).toInt() == TvxNode::Failed;
    RetryFailed1->setEnabled(anyFailed && !IsRunning());
    ShowRunLog1->setEnabled(lViewer->topLevelItemCount() > 0);
}

void TvxFrmMain::ShowInFolder1Click() {
    const QTreeWidgetItem* row = FirstSelectedRow();
    if (!row) return;
    const QVariant path =
        HasPdf(row) ? row->data(0, ui::ResultRole) : QVariant(ui::JobListView::SourcePath(row));
    OpenOrSay(FolderPart(ToStd(path.toString())));
}

void TvxFrmMain::CopyReason1Click() {
    QStringList texts;
    for (int i = 0; i < lViewer->topLevelItemCount(); ++i)
        if (lViewer->topLevelItem(i)->isSelected())
            texts << ui::JobDetailsPane::DetailsText(lViewer->topLevelItem(i));
    if (!texts.isEmpty()) QGuiApplication::clipboard()->setText(texts.join("\n\n"));
}

void TvxFrmMain::RetryFailed1Click() {
    if (RefuseWhileRunning()) return;
    QStringList failed;
    for (int i = 0; i < lViewer->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = lViewer->topLevelItem(i);
        if (row->data(0, ui::StatusRole).toInt() == TvxNode::Failed)
            failed << ui::JobListView::SourcePath(row);
    }
    if (failed.isEmpty()) {
        StatusBar->ShowProblem(tr("No failed job to retry."));
        return;
    }
    AddChosenFiles(failed);
    aConvertExecute();
}

void TvxFrmMain::ShowRunLog1Click() {
    QString text;
    for (const std::string& line : ListAsLogLines()) text += ToQ(line) + '\n';
    auto* dialog = new QDialog(this);
    dialog->setObjectName("RunLogDialog");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Run Log"));
    auto* column = new QVBoxLayout(dialog);
    auto* view = new QPlainTextEdit(text, dialog);
    view->setObjectName("RunLogText");
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    column->addWidget(view);
    column->addWidget(buttons);
    dialog->resize(720, 360);
    dialog->show();
}
