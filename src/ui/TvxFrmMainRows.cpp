// The main window's rows of jobs, the status bar's counts, the end of a run,
// the run log and the daemon repetition.

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "batch/TvxBatch.h"
#include "batch/TvxWorkBase.h"
#include "console/TvxRunCheck.h"
#include "core/TvxPathChooser.h"
#include "core/TvxProject.h"
#include "platform/files/FileError.h"
#include "platform/files/TextFile.h"
#include "platform/text/EscapedText.h"
#include "ui/ActionButton.h"
#include "ui/DesktopNotifier.h"
#include "ui/ErrorReportQuestion.h"
#include "ui/ImageList.h"
#include "ui/JobDetailsPane.h"
#include "ui/JobListView.h"
#include "ui/RowRoles.h"
#include "ui/RunStatusBar.h"
#include "ui/TvxFrmMain.h"
#include "ui/UiServices.h"
#include "ui/UiText.h"

using ui::ToQ;
using ui::ToStd;

namespace {

using ui::ImageRole;
using ui::StatusRole;

const char* StatusWord(int status) {
    switch (status) {
        case 1:
            return "Success";
        case 2:
            return "Failure";
        default:
            return "Running";
    }
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

QString ImageCaption(int image) {
    switch (image) {
        case ui::ImgSuccess:
            return QCoreApplication::translate("TvxFrmMain", "Converted");
        case ui::ImgWarning:
            return QCoreApplication::translate("TvxFrmMain", "Converted with warnings");
        case ui::ImgFailure:
            return QCoreApplication::translate("TvxFrmMain", "Failed");
        case ui::ImgConverting:
            return QCoreApplication::translate("TvxFrmMain", "Converting");
        case ui::ImgNotConverted:
            return QCoreApplication::translate("TvxFrmMain", "Not converted");
        default:
            return QCoreApplication::translate("TvxFrmMain", "Waiting");
    }
}

void ShowImage(QTreeWidgetItem* row, int image) {
    row->setIcon(0, ui::ImageListIcon(image));
    row->setData(0, ImageRole, image);
    row->setToolTip(0, ImageCaption(image));
}

// The picture of a row whose job has the status.
ui::ImageIndex ImageOfStatus(int status) {
    switch (status) {
        case TvxNode::Done:
            return ui::ImgSuccess;
        case TvxNode::Failed:
            return ui::ImgFailure;
        default:
            return ui::ImgWaiting;
    }
}

void SetStatus(QTreeWidgetItem* row, int status) {
    ShowImage(row, ImageOfStatus(status));
    row->setData(0, StatusRole, status);
}

// A job the run left out: greyed, and its status stays 0 ("Running" in the
// log) as before.
void MarkNotConverted(QTreeWidgetItem* row) {
    ShowImage(row, ui::ImgNotConverted);
    row->setForeground(1, QBrush(Qt::gray));
}

}  // namespace

QTreeWidgetItem* TvxFrmMain::RowAt(std::int32_t index, const QString& fileName) {
    bool made = false;
    QTreeWidgetItem* row = lViewer->RowOfJob(index, fileName, &made);
    if (made) {
        SetStatus(row, TvxNode::Waiting);
        ++tally_.known;
        StatusBar->ShowCounts(tally_);
    }
    return row;
}

int TvxFrmMain::RowImage(int row) const {
    const QTreeWidgetItem* item = lViewer->topLevelItem(row);
    return item ? item->data(0, ImageRole).toInt() : -1;
}

void TvxFrmMain::JobAdded(TvxBatch* sender, TvxNode* node) {
    ShowJob(node->FileName, sender, node);
}

void TvxFrmMain::ShowJob(const std::string& fileName, TvxBatch* batch, TvxNode* node) {
    if (!node) {
        SuggestTarget(ui::FolderPart(fileName));
        if (batch) batch->AddFile(fileName);
        return;
    }
    // The row is made by the user-interface thread while this thread waits.
    // Rows need no batch lock, since only that thread touches them, and
    // holding the lock here could deadlock with OnFinish. A new job's status
    // belongs to the converter that may already be working on it, so only
    // JobDone sets a row's image; a row that JobDone made first is kept.
    const std::int32_t index = node->Index;
    const QString name = ToQ(fileName);
    rowCalls_.RunFor(rowGeneration_, [&] { RowAt(index, name); });
}

void TvxFrmMain::JobStarted(TvxBatch* /*sender*/, TvxNode* node) {
    const std::int32_t index = node->Index;
    const QString name = ToQ(node->FileName);
    rowCalls_.RunFor(rowGeneration_, [&] {
        QTreeWidgetItem* row = RowAt(index, name);
        if (row->data(0, StatusRole).toInt() == TvxNode::Waiting) ShowImage(row, ui::ImgConverting);
    });
}

void TvxFrmMain::JobDone(TvxBatch* /*sender*/, TvxNode* node) {
    // Status and result were written by the calling converter thread.
    const std::int32_t index = node->Index;
    const std::int32_t status = node->Status;
    const QString name = ToQ(node->FileName);
    const QString firstLine = ToQ(FirstLine(node->ResultText));
    const QString result = ToQ(node->ResultText);
    const QString note = ToQ(node->Note);
    const QString timings = ToQ(node->Timings);
    // Read here, on the converter's thread, so the window never waits for
    // a large PDF.
    const qint64 elapsed = static_cast<std::uint32_t>(TvxWorkBase::TickCount() - node->StartTick);
    const int pages = status == TvxNode::Done && !node->ResultText.empty()
                          ? ui::PdfPageCount(node->ResultText)
                          : 0;
    rowCalls_.RunFor(rowGeneration_, [&] {
        QTreeWidgetItem* row = RowAt(index, name);
        ui::JobListView::ShowSource(row, name);
        ui::JobListView::ShowTimeAndPages(row, elapsed, pages);
        // Only the first line of a result shows; the details pane and the
        // tooltip have all of it.
        row->setText(ui::ColResult, firstLine);
        row->setData(0, ui::ResultRole, result);
        row->setData(0, ui::NoteRole, note);
        row->setData(0, ui::TimingsRole, timings);
        row->setToolTip(ui::ColResult, note.isEmpty() ? result : result + "\n" + note);
        CountDone(row, status);
        SetStatus(row, status);
        // Topics left out, a damaged file: converted, but not all of it.
        if (status == TvxNode::Done && !note.isEmpty()) ShowImage(row, ui::ImgWarning);
        if (row->isSelected()) ShowSelectedJob();
    });
}

// Counts a job that has just ended; a job that ended before is not counted
// again.
void TvxFrmMain::CountDone(QTreeWidgetItem* row, int status) {
    if (row->data(0, StatusRole).toInt() != TvxNode::Waiting) return;
    if (status == TvxNode::Failed)
        ++tally_.failed;
    else if (status == TvxNode::Done && row->text(2).isEmpty())
        ++tally_.skipped;  // its target existed and was kept
    else if (status == TvxNode::Done)
        ++tally_.converted;
    StatusBar->ShowCounts(tally_);
}

void TvxFrmMain::OnFinish() {
    if (--RunningWorkers > 0) return;
    RunningWorkers = 0;
    EnterIdleState();
    ReportFailures();
    const bool stopped = DropBatchAtFinish() == 1;
    if (stopped) {
        ReleaseBatch();
        SetDropBatchAtFinish(0);
    }
    ShowRunEnd(stopped);
    if (!stopped && Batch && !Batch->IsExhausted()) StatusBar->ShowPaused();
    if (!closing_) AfterRun();
}

// Rows the run left behind are marked (all waiting rows after Stop, and a
// row whose converter ended without finishing it), the summary goes to the
// status bar, and to the desktop when the user is looking elsewhere.
void TvxFrmMain::ShowRunEnd(bool stopped) {
    for (int i = 0; i < lViewer->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = lViewer->topLevelItem(i);
        const int image = row->data(0, ImageRole).toInt();
        if (row->data(0, StatusRole).toInt() != TvxNode::Waiting || image == ui::ImgNotConverted)
            continue;
        if (stopped || image == ui::ImgConverting) {
            MarkNotConverted(row);
            ++tally_.notConverted;
        }
    }
    const QString summary = StatusBar->RunEnded(tally_);
    if (!closing_ && !isActiveWindow() && !vxProject->GetRunAndClose())
        ui::Notifier().Notify(ToQ(vxProject->Title), summary);
}

bool TvxFrmMain::HasPdf(const QTreeWidgetItem* row) {
    return row && row->data(0, StatusRole).toInt() == TvxNode::Done && !row->text(2).isEmpty();
}

void TvxFrmMain::OpenResultOf(QTreeWidgetItem* row) {
    if (!row) return;
    if (HasPdf(row)) {
        OpenOrSay(ToStd(row->data(0, ui::ResultRole).toString()));
        return;
    }
    // Said, not silently ignored: what the row is instead of a PDF.
    StatusBar->ShowProblem(
        tr("No PDF to open: %1 — %2")
            .arg(ui::JobListView::SourcePath(row), ui::JobDetailsPane::StateText(row)));
}

// The question comes after the run has ended, from the event loop: a
// converter thread may be waiting for OnFinish to return.
void TvxFrmMain::ReportFailures() {
    if (!Batch) return;
    std::vector<std::string> messages;
    std::vector<std::string> paths;
    Batch->LockNodes();
    const int failed = Batch->Failures;
    if (failed > 0) {
        messages = Batch->FailureMessages;
        paths = {Batch->SourceDir, Batch->TargetDir};
    }
    Batch->UnlockNodes();
    if (failed <= 0) return;
    for (int i = 0; i < lViewer->topLevelItemCount(); ++i) {
        const std::string name = ToStd(ui::JobListView::SourcePath(lViewer->topLevelItem(i)));
        paths.push_back(name);
        paths.push_back(ui::FolderPart(name));
    }
    paths.push_back(ToStd(eTarget->text()));
    QTimer::singleShot(0, this, [this, failed, messages, paths] {
        if (!closing_) ui::OfferErrorReport(this, failed, messages, paths);
    });
}

void TvxFrmMain::AfterRun() {
    if (closing_ || !vxProject->GetRunAndClose()) return;
    const std::string logFile = vxProject->GetOption("LogFile");
    if (!logFile.empty() && !LogFileProblem(*vxProject)) {
        try {
            SaveListAsLog(logFile);
        } catch (const std::exception& error) {
            // Nobody watches an unattended run: the failure goes to standard
            // error and the run ends (or repeats) as it would otherwise.
            std::fprintf(stderr, "%s\n", platform::EscapeControls(error.what()).c_str());
        }
    }
    if (vxProject->GetDaemon() <= 0) {
        // Closed from the event loop: OnFinish may be running for a
        // converter thread that waits for it to return.
        QTimer::singleShot(0, this, &TvxFrmMain::CloseByProgram);
        return;
    }
    if (!StopRequested) ScheduleDaemonRun();
}

void TvxFrmMain::ScheduleDaemonRun() {
    // The window stays responsive during the wait; Stop ends the repetition.
    // A refused start comes back here and restarts the one timer, so retries
    // never nest.
    daemonTimer_->start(vxProject->GetDaemon());
    aStop->setEnabled(true);
    bSearchConvert->SetAction(aStop);
}

void TvxFrmMain::WaitForConverters() {
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!IsRunning()) loop.quit();
    });
    poll.start(5);
    if (IsRunning()) loop.exec();
}

std::vector<std::string> TvxFrmMain::ListAsLogLines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < lViewer->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = lViewer->topLevelItem(i);
        const int status = row->data(0, StatusRole).toInt();
        // A file name cannot forge a line of the log.
        lines.push_back("[" + std::string(StatusWord(status)) + "] => " +
                        platform::EscapeControls(ToStd(ui::JobListView::SourcePath(row))) + " => " +
                        platform::EscapeControls(ToStd(row->text(2))));
    }
    return lines;
}

void TvxFrmMain::SaveListAsLog(const std::string& fileName) {
    platform::WriteTextLines(fileName, ListAsLogLines());
}

void TvxFrmMain::ExportList1Click() {
    std::string fileName;
    const std::string filter = ToStd(tr("Log File")) + "|*.log";
    if (!ui::Chooser().ChooseSaveFile(filter, ".log", fileName)) return;
    try {
        SaveListAsLog(fileName);
    } catch (const std::exception& error) {
        ui::ShowError(this, error.what());
    }
}

// Rows the user removes before a run are taken out of the batch, so Convert
// leaves them alone; during a run the list stays as it is.
void TvxFrmMain::RemoveSelectedRows() {
    const QList<QTreeWidgetItem*> rows = lViewer->selectedItems();
    if (rows.isEmpty()) return;
    if (RefuseWhileRunning()) return;
    if (Batch && !Batch->SearchDone.load()) {
        QApplication::beep();  // the search may still add rows
        return;
    }
    for (QTreeWidgetItem* row : rows) {
        if (Batch) Batch->Withdraw(ui::JobListView::JobOf(row));
        const int status = row->data(0, StatusRole).toInt();
        if (status == TvxNode::Failed)
            --tally_.failed;
        else if (status == TvxNode::Done && row->text(ui::ColResult).isEmpty())
            --tally_.skipped;
        else if (status == TvxNode::Done)
            --tally_.converted;
        else if (row->data(0, ImageRole).toInt() == ui::ImgNotConverted)
            --tally_.notConverted;
        --tally_.known;
        lViewer->RemoveRow(row);
    }
    StatusBar->ShowCounts(tally_);
}
