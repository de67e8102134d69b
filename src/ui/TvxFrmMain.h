#pragma once
// The main window: source and target choosers, the list of jobs with their
// status images and results, Search, Convert, Pause and Stop, the status bar
// of a run, the project commands and the product links. Search and converter
// threads reach the window only through JobAdded, JobStarted, JobDone and
// OnFinish, whose changes are carried out on the user-interface thread while
// the calling thread waits.

#include <QPointer>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "batch/TvxWorkerChain.h"
#include "platform/process/StopRequest.h"
#include "ui/JobListView.h"
#include "ui/RunSummary.h"
#include "ui/TvxFrmBase.h"
#include "ui/UiThreadCall.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TvxBatch;
class TvxConvertor;
class TvxFrmCfg;
class TvxNode;

namespace ui {
class ActionButton;
class JobDetailsPane;
class RunStatusBar;
}  // namespace ui

class TvxFrmMain : public TvxFrmBase {
    Q_OBJECT
public:
    explicit TvxFrmMain(QWidget* parent = nullptr);
    ~TvxFrmMain() override;

    // Components, top to bottom.
    QToolBar* ToolBar;
    QToolButton* tbOpen;
    QFrame* pAction;
    QFrame* pSource;
    QLabel* lSource;
    QLineEdit* eSource;
    QPushButton* bSource;
    QPushButton* bSourceFile;
    QCheckBox* cSubdir;
    ui::ActionButton* bSearch;
    QFrame* pTarget;
    QLabel* lTarget;
    QLineEdit* eTarget;
    QPushButton* bTarget;
    ui::ActionButton* bView;
    ui::ActionButton* bSearchConvert;
    ui::ActionButton* bCreate;
    QFrame* pOthers;
    QFrame* pSpacer;
    QFrame* pViewer;
    ui::JobListView* lViewer;
    ui::RunStatusBar* StatusBar;
    QMenuBar* MenuBar;
    QMenu* pm1;
    QMenu* pm2;
    QAction* BrowseFiles1;
    QAction* ViewSource1;
    QAction* OpenSource1;
    QAction* ViewOutput1;
    QAction* OpenPdf1;
    QAction* ExportList1;
    QAction* RemoveRows1;

    QAction* aConvert;
    QAction* aStop;
    QAction* aPause;
    QAction* aSearch;
    QAction* aSearchConvert;
    QAction* aView;
    QAction* aOpen;
    QAction* aNew;
    QAction* aConfig;
    QAction* aSave;
    QAction* aSaveAs;
    QAction* aUpdate;
    QAction* aHelp;
    QAction* aHomePage;
    QAction* aSupports;
    QAction* aAbout;
    QAction* aQuit;

    // Fields added to the components.
    TvxBatch* Batch = nullptr;
    TvxConvertor* Converter = nullptr;
    std::int32_t RunningWorkers = 0;
    bool StopRequested = false;
    bool ShownOnce = false;

    TvxFrmCfg* vxFrmCfg = nullptr;

    // Handlers of the components and actions.
    void bSourceClick();
    void bSourceFileClick();
    void bTargetClick();
    void aSearchExecute();
    void aConvertExecute();
    void aSearchConvertExecute();
    void aPauseExecute();
    void aStopExecute();
    void aViewExecute();
    void aOpenExecute();
    void aNewExecute();
    void aConfigExecute();
    void aSaveExecute();
    void aSaveAsExecute();
    void aUpdateExecute();
    void aHelpExecute();
    void aHomePageExecute();
    void aSupportsExecute();
    void aAboutExecute();
    void ViewSource1Click();
    void OpenSource1Click();
    void ExportList1Click();
    // Opens the PDF of the first selected row; also a double click or Enter
    // on a row.
    void OpenPdf1Click();
    void pm1Popup();
    void pm2Popup();
    void RecentProjectClick(QAction* item);
    // Delete or Backspace in the list: the selected rows leave the list and
    // the batch; refused during a run and while the search still adds rows.
    void RemoveSelectedRows();

    virtual void RegisterOptionControls();
    void SuggestTarget(const std::string& folder);
    void NewBatch();
    void OpenSelectedSource(bool folderOnly);
    void UpdateTitle();
    void AutoRun();
    // Files dropped onto a control of the window, in drop order.
    void WMDropFiles(QObject* control, const QStringList& names);

    // Rows of jobs; safe to call from the search and converter threads.
    void JobAdded(TvxBatch* sender, TvxNode* node);
    void ShowJob(const std::string& fileName, TvxBatch* batch, TvxNode* node);
    // A converter has taken the job: its row shows the converting image.
    void JobStarted(TvxBatch* sender, TvxNode* node);
    void JobDone(TvxBatch* sender, TvxNode* node);
    // The end of one converter thread; runs on the user-interface thread.
    void OnFinish();
    void AfterRun();
    // Writes the list as a log; throws platform::FileError when it cannot.
    void SaveListAsLog(const std::string& fileName);

    // ---- Feedback: nothing the user asks for fails silently ----
    // (TvxFrmMainFeedback.cpp)
    QLabel* lMessage;  // why Search or Convert did nothing, under Target
    ui::JobDetailsPane* pDetails;
    QAction* ShowInFolder1;
    QAction* CopyReason1;
    QAction* RetryFailed1;
    QAction* ShowRunLog1;
    // Hands a file, folder or address to the shell; a missing file or a
    // handler that cannot be started is said in the status bar, with the
    // way out "Show in folder" where there is a folder to show.
    bool OpenOrSay(const std::string& target);
    // The inline message; an empty text hides it.
    void SayInline(const QString& text);
    QString InlineMessage() const;
    // The folder of the first selected row's PDF, else of its help file.
    void ShowInFolder1Click();
    // The file, state and whole reason of the selected rows.
    void CopyReason1Click();
    // A new batch of the failed jobs, converted at once.
    void RetryFailed1Click();
    void ShowRunLog1Click();
    void ShowSelectedJob();
    // The list as the run log writes it.
    std::vector<std::string> ListAsLogLines() const;

    // Stop, Pause and the end of a run keep their flag here (0 or 1).
    int DropBatchAtFinish() const;
    void SetDropBatchAtFinish(int value);

    // A stop of the whole process (SIGTERM, SIGINT): Stop, let the converters
    // end, write the run log of an unattended run, and close every window.
    void EndOnStopRequest();

    bool IsRunning() const { return RunningWorkers > 0; }
    bool IsWaitingForDaemon() const;

    // The image a row shows: its job's status, or, while the job's status
    // is still 0, ImgConverting or ImgNotConverted; -1 for no such row.
    int RowImage(int row) const;
    // The rows counted so far, as the status bar shows them.
    const ui::RowTally& Tally() const { return tally_; }

    // Whether the options in the window differ from those last loaded or
    // saved; options the command line gave count as loaded.
    bool HasUnsavedChanges();
    // Asks the user, when there are unsaved changes, to save, discard or
    // cancel; true when the command may go on. Never asks in an unattended
    // run.
    bool MayDropChanges();
    // Closes the window without asking about changes: the program's own
    // close at the end of an unattended run.
    void CloseByProgram();

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildActions();
    void BuildToolBar();
    void BuildActionPanel();
    void BuildViewer();
    void BuildMenus();
    void AlignActionColumns();
    QAction* MakeAction(const char* name, const QString& caption, const QString& hint, int image,
                        void (TvxFrmMain::*handler)());
    void FormCreate();
    void FormDestroy();

    bool RefuseWhileRunning();
    bool SaveOptions(bool asNewFile);
    void MarkOptionsSaved();
    QTreeWidgetItem* FirstSelectedRow() const;
    static bool HasPdf(const QTreeWidgetItem* row);
    void OpenResultOf(QTreeWidgetItem* row);
    void CountDone(QTreeWidgetItem* row, int status);
    void ShowRunEnd(bool stopped);
    void AddChosenFiles(const QStringList& names);
    bool ReduceTarget();
    bool TargetIsWritable();
    bool LogIsHarmless();
    void EnterIdleState();
    void ReleaseBatch();
    void ReportFailures();
    void ScheduleDaemonRun();
    void WaitForConverters();
    QTreeWidgetItem* RowAt(std::int32_t index, const QString& fileName);
    void BuildFeedback();
    void UpdateRowActions();
    bool SourceIsReady();
    bool TargetIsReady();
    bool SourceChangedSinceSearch() const;
    void SourceEdited();
    void WatchSearch();
    std::string SourceFolder() const;

    ui::UiThreadCall rowCalls_;
    // Rows are tied to the batch they belong to; read on other threads.
    std::atomic<unsigned> rowGeneration_{0};
    // Converter may end (and free itself) before the run is over; the
    // chain reaches the converters still alive.
    TvxWorkerChainRef chain_;
    QTimer* daemonTimer_;
    bool closing_ = false;
    bool waitingToClose_ = false;
    // Hands a stop request of the process to the user-interface thread.
    platform::StopSubscription onStop_;
    bool closeByProgram_ = false;
    ui::RowTally tally_;  // of the rows, user-interface thread only
    // The options as last loaded or saved, in collected form.
    std::vector<std::string> savedOptions_;
    // What the batch was made from: a changed Source or Subdir searches again.
    QString batchSource_;
    bool batchSubdir_ = false;
    QTimer* searchWatch_;
};

extern TvxFrmMain* vxFrmMain;
