// The main window's rows of jobs, the status bar's counts, the end of a run,
// the run log and the daemon repetition.

#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "batch/TvxBatch.h"
#include "console/TvxRunCheck.h"
#include "core/TvxPathChooser.h"
#include "core/TvxProject.h"
#include "platform/files/FileError.h"
#include "platform/files/TextFile.h"
#include "platform/text/EscapedText.h"
#include "ui/ActionButton.h"
#include "ui/DesktopNotifier.h"
#include "ui/ImageList.h"
#include "ui/RunStatusBar.h"
#include "ui/TvxFrmMain.h"
#include "ui/UiServices.h"
#include "ui/UiText.h"

using ui::ToQ;
using ui::ToStd;

namespace {

// The row keeps its job's status beside the image, for the log; the image
// differs from the status only while the status is 0.
constexpr int StatusRole = Qt::UserRole;
constexpr int ImageRole = Qt::UserRole + 1;

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
    const int count = lViewer->topLevelItemCount();
    if (index >= 0 && index < count) return lViewer->topLevelItem(index);
    auto* row = new QTreeWidgetItem();
    row->setText(1, fileName);
    SetStatus(row, TvxNode::Waiting);
    lViewer->insertTopLevelItem(std::max(0, std::min<int>(index, count)), row);
    ++tally_.known;
    StatusBar->ShowCounts(tally_);
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
    const QString result = ToQ(FirstLine(node->ResultText));
    const QString note = ToQ(node->Note);
    rowCalls_.RunFor(rowGeneration_, [&] {
        QTreeWidgetItem* row = RowAt(index, name);
        row->setText(1, name);
        row->setText(2, result);
        // Topics a converted job had to leave out are told where the
        // result is read.
        row->setToolTip(2, note);
        CountDone(row, status);
        SetStatus(row, status);
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
    if (HasPdf(row)) ui::ShellOpen(ToStd(row->text(2)));
}

void TvxFrmMain::ReportFailures() {
    if (!Batch) return;
    std::vector<std::string> messages;
    Batch->LockNodes();
    const bool failed = Batch->Failures > 0;
    if (failed) messages = Batch->FailureMessages;
    Batch->UnlockNodes();
    if (failed) ui::SendErrorReport(messages);
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

void TvxFrmMain::SaveListAsLog(const std::string& fileName) {
    std::vector<std::string> lines;
    for (int i = 0; i < lViewer->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = lViewer->topLevelItem(i);
        const int status = row->data(0, StatusRole).toInt();
        // A file name cannot forge a line of the log.
        lines.push_back("[" + std::string(StatusWord(status)) + "] => " +
                        platform::EscapeControls(ToStd(row->text(1))) + " => " +
                        platform::EscapeControls(ToStd(row->text(2))));
    }
    platform::WriteTextLines(fileName, lines);
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
