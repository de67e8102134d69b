#include "ui/TvxFrmMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "batch/TvxBatch.h"
#include "console/TvxRunCheck.h"
#include "convert/job/TvxConvertor.h"
#include "core/ThreadsCount.h"
#include "core/TvxInfo.h"
#include "core/TvxPathChooser.h"
#include "core/TvxProject.h"
#include "platform/files/FileProbe.h"
#include "platform/text/EscapedText.h"
#include "ui/ActionButton.h"
#include "ui/ImageList.h"
#include "ui/MainMenus.h"
#include "ui/RowRoles.h"
#include "ui/RunStatusBar.h"
#include "ui/TvxFrmAbout.h"
#include "ui/UiServices.h"
#include "ui/UiText.h"

TvxFrmMain* vxFrmMain = nullptr;

using ui::FolderPart;
using ui::ToQ;
using ui::ToStd;

TvxFrmMain::TvxFrmMain(QWidget* parent) : TvxFrmBase(parent), rowCalls_(this) {
    setObjectName("vxFrmMain");
    daemonTimer_ = new QTimer(this);
    daemonTimer_->setObjectName("daemonTimer");
    daemonTimer_->setSingleShot(true);
    connect(daemonTimer_, &QTimer::timeout, this, [this] {
        EnterIdleState();
        AutoRun();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildActions();
    BuildToolBar();
    BuildActionPanel();
    BuildViewer();
    BuildMenus();
    StatusBar = new ui::RunStatusBar(this);
    BuildFeedback();
    MenuBar = ui::BuildMainMenuBar(*this);
    layout->setMenuBar(MenuBar);
    layout->addWidget(ToolBar);
    layout->addWidget(pAction);
    layout->addWidget(pSpacer);
    layout->addWidget(pViewer, 1);
    layout->addWidget(StatusBar);
    EnterIdleState();
    FormCreate();
    onStop_ = platform::StopSubscription([this] {
        QMetaObject::invokeMethod(this, &TvxFrmMain::EndOnStopRequest, Qt::QueuedConnection);
    });
}

TvxFrmMain::~TvxFrmMain() {
    // Hiding the children while the window is torn down takes the focus
    // from Source, which must not call back into a window half gone.
    eSource->disconnect(this);
    onStop_.Reset();
    FormDestroy();
    if (vxFrmMain == this) vxFrmMain = nullptr;
}

QAction* TvxFrmMain::MakeAction(const char* name, const QString& caption, const QString& hint,
                                int image, void (TvxFrmMain::*handler)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setStatusTip(hint);
    action->setToolTip(hint.isEmpty() ? QString(caption).remove('&') : hint);
    if (image >= 0) action->setIcon(ui::ImageListIcon(image));
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void TvxFrmMain::BuildActions() {
    using T = TvxFrmMain;
    aConvert = MakeAction("aConvert", tr("&Convert"), tr("Convert the listed help files to PDF"),
                          -1, &T::aConvertExecute);
    aStop = MakeAction("aStop", tr("Sto&p"), tr("Stop the run"), -1, &T::aStopExecute);
    aStop->setData(0);
    aPause = MakeAction("aPause", tr("Pause"), tr("Finish the files in hand, then wait"), -1,
                        &T::aPauseExecute);
    aSearch = MakeAction("aSearch", tr("Search"), tr("List the help files of the source folder"),
                         -1, &T::aSearchExecute);
    aSearchConvert = MakeAction("aSearchConvert", tr("Start"), "", -1, &T::aSearchConvertExecute);
    aSearchConvert->setVisible(false);
    aView =
        MakeAction("aView", tr("Open Folder"), tr("Open the target folder"), -1, &T::aViewExecute);
    aOpen = MakeAction("aOpen", tr("&Open..."), tr("Open a batch project"), ui::ImgOpen,
                       &T::aOpenExecute);
    aNew = MakeAction("aNew", tr("&New"), tr("Start a new batch project"), ui::ImgNew,
                      &T::aNewExecute);
    aConfig = MakeAction("aConfig", tr("O&ptions..."), tr("Edit the options of the batch project"),
                         ui::ImgConfig, &T::aConfigExecute);
    aSave = MakeAction("aSave", tr("&Save"), tr("Save the batch project"), ui::ImgSave,
                       &T::aSaveExecute);
    aSaveAs =
        MakeAction("aSaveAs", tr("Save &As..."), tr("Save the batch project under a new name"),
                   ui::ImgSaveAs, &T::aSaveAsExecute);
    aUpdate = MakeAction("aUpdate", tr("Check for &Updates"), tr("Open the download page"),
                         ui::ImgUpdate, &T::aUpdateExecute);
    aHelp =
        MakeAction("aHelp", tr("&Guide"), tr("Open the user guide"), ui::ImgHelp, &T::aHelpExecute);
    aHomePage = MakeAction("aHomePage", tr("&Home Page"), tr("Open the home page"), ui::ImgHome,
                           &T::aHomePageExecute);
    aSupports = MakeAction("aSupports", tr("&Support..."), tr("Write an e-mail to support"),
                           ui::ImgSupport, &T::aSupportsExecute);
    aAbout = MakeAction("aAbout", tr("&About"), "", ui::ImgAbout, &T::aAboutExecute);
    aQuit = new QAction(tr("&Quit"), this);
    aQuit->setObjectName("aQuit");
    connect(aQuit, &QAction::triggered, this, &QWidget::close);
}

void TvxFrmMain::BuildToolBar() {
    ToolBar = new QToolBar(this);
    ToolBar->setObjectName("ToolBar");
    ToolBar->setIconSize(QSize(ui::ImageListSize, ui::ImageListSize));
    ToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // Buttons that do not fit a narrow window stay reachable through the
    // bar's extension menu.
    ToolBar->setMovable(false);
    ToolBar->setFloatable(false);
    pm2 = new QMenu(this);
    pm2->setObjectName("pm2");
    connect(pm2, &QMenu::aboutToShow, this, &TvxFrmMain::pm2Popup);

    auto add = [this](QAction* action, const char* name) {
        ToolBar->addAction(action);
        QWidget* button = ToolBar->widgetForAction(action);
        button->setObjectName(name);
        button->setFixedWidth(101);
        return qobject_cast<QToolButton*>(button);
    };
    tbOpen = add(aOpen, "tbOpen");
    tbOpen->setMenu(pm2);
    tbOpen->setPopupMode(QToolButton::MenuButtonPopup);
    // The project and the guide; the rest is in the menus.
    add(aNew, "tbNew");
    add(aSave, "tbSave");
    add(aConfig, "tbConfig");
    ToolBar->addSeparator();
    add(aHelp, "tbHelp");
}

namespace {

QFrame* MakePanel(QWidget* parent, const char* name, const QString& hint) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setToolTip(hint);
    return panel;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    return button;
}

ui::ActionButton* MakeActionButton(QWidget* parent, const char* name, QAction* action) {
    auto* button = new ui::ActionButton(parent);
    button->setObjectName(name);
    button->SetAction(action);
    return button;
}

// An edit box with its label on the left, 4 pixels apart. The hint names the
// property the project binds to the option; it is kept but never shown.
QLineEdit* MakeBoundEdit(QWidget* parent, const char* name, const QString& caption,
                         QLabel** label) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setProperty("hint", "Text");
    edit->setProperty("tag", -1);
    edit->setAcceptDrops(true);
    edit->setMinimumWidth(120);
    *label = new QLabel(caption, parent);
    (*label)->setBuddy(edit);
    (*label)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

// The widest of the captions a control may show, with room for its frame,
// and never narrower than the column was drawn.
int ColumnWidth(const QWidget* control, const QStringList& captions, int drawnWidth) {
    int width = drawnWidth;
    for (const QString& caption : captions)
        width = std::max(
            width, control->fontMetrics().horizontalAdvance(QString(caption).remove('&')) + 12);
    return width;
}

// One row of the action panel: label, stretching edit box, then the
// controls of the four columns with the gaps drawn between them.
QHBoxLayout* ActionRow(QFrame* panel, QLabel* label, QLineEdit* edit,
                       std::initializer_list<std::pair<QWidget*, int>> columns, int top,
                       int bottom) {
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(8, top, 8, bottom);
    row->setSpacing(0);
    row->addWidget(label);
    row->addSpacing(4);
    row->addWidget(edit, 1);
    for (const auto& [control, gapBefore] : columns) {
        row->addSpacing(gapBefore);
        row->addWidget(control);
    }
    return row;
}

}  // namespace

void TvxFrmMain::BuildActionPanel() {
    pAction = new QFrame(this);
    pAction->setObjectName("pAction");
    pAction->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* column = new QVBoxLayout(pAction);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(0);

    pSource = MakePanel(pAction, "pSource", tr("Choose or drag & drop source folder or file(s)"));
    eSource = MakeBoundEdit(pSource, "eSource", tr("&Source"), &lSource);
    bSource = MakeButton(pSource, "bSource", tr("Folder"),
                         tr("Choose a folder and click \"Search\" to list files"));
    bSourceFile = MakeButton(pSource, "bSourceFile", tr("Files"),
                             tr("Choose file(s) and click \"Convert\" to convert them"));
    cSubdir = new QCheckBox(tr("Su&b folders"), pSource);
    cSubdir->setObjectName("cSubdir");
    cSubdir->setLayoutDirection(Qt::RightToLeft);  // caption left of the box
    cSubdir->setStyleSheet("QCheckBox { spacing: 2px; }");
    cSubdir->setProperty("hint", "Checked");
    cSubdir->setProperty("tag", -1);
    bSearch = MakeActionButton(pSource, "bSearch", aSearch);

    pTarget = MakePanel(pAction, "pTarget", tr("Choose or drag & drop target folder"));
    eTarget = MakeBoundEdit(pTarget, "eTarget", tr("&Target"), &lTarget);
    bTarget = MakeButton(pTarget, "bTarget", tr("Folder"),
                         tr("Choose a target folder to save the converted file(s)"));
    bView = MakeActionButton(pTarget, "bView", aView);
    bSearchConvert = MakeActionButton(pTarget, "bSearchConvert", aSearchConvert);
    bCreate = MakeActionButton(pTarget, "bCreate", aConvert);
    // The hidden button keeps its place, as Stop shows there during a run.
    QSizePolicy keepPlace = bSearchConvert->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    bSearchConvert->setSizePolicy(keepPlace);
    AlignActionColumns();

    ActionRow(pSource, lSource, eSource,
              {{bSource, 0}, {bSourceFile, 0}, {cSubdir, 8}, {bSearch, 4}}, 8, 2);
    ActionRow(pTarget, lTarget, eTarget,
              {{bTarget, 0}, {bView, 0}, {bSearchConvert, 8}, {bCreate, 4}}, 4, 6);
    pOthers = MakePanel(pAction, "pOthers", QString());
    column->addWidget(pSource);
    column->addWidget(pTarget);
    column->addWidget(pOthers, 1);

    connect(bSource, &QPushButton::clicked, this, &TvxFrmMain::bSourceClick);
    connect(bSourceFile, &QPushButton::clicked, this, &TvxFrmMain::bSourceFileClick);
    connect(bTarget, &QPushButton::clicked, this, &TvxFrmMain::bTargetClick);
    eSource->installEventFilter(this);
    eTarget->installEventFilter(this);
}

// The two rows line up in columns, as drawn: each control takes the width
// its column needs for every caption it may show (Convert becomes Pause,
// Start becomes Stop), so nothing moves when the run state changes.
void TvxFrmMain::AlignActionColumns() {
    const int labelWidth = std::max(lSource->sizeHint().width(), lTarget->sizeHint().width());
    lSource->setFixedWidth(labelWidth);
    lTarget->setFixedWidth(labelWidth);
    const struct {
        QWidget* upper;
        QWidget* lower;
        QStringList captions;
        int drawnWidth;
    } columns[] = {
        {bSource, bTarget, {bSource->text(), bTarget->text()}, 38},
        {bSourceFile, bView, {bSourceFile->text(), aView->text()}, 38},
        {cSubdir, bSearchConvert, {aSearchConvert->text(), aStop->text()}, 76},
        {bSearch, bCreate, {aSearch->text(), aConvert->text(), aPause->text()}, 76},
    };
    for (const auto& c : columns) {
        const int width = std::max(ColumnWidth(c.lower, c.captions, c.drawnWidth),
                                   c.upper == cSubdir ? cSubdir->sizeHint().width() : 0);
        c.upper->setFixedWidth(width);
        c.lower->setFixedWidth(width);
    }
}

void TvxFrmMain::BuildViewer() {
    pSpacer = MakePanel(this, "pSpacer", QString());
    pSpacer->setFixedHeight(2);
    pViewer = new QFrame(this);
    pViewer->setObjectName("pViewer");
    pViewer->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* fill = new QVBoxLayout(pViewer);
    fill->setContentsMargins(1, 1, 1, 1);

    lViewer = new ui::JobListView(pViewer);
    lViewer->setObjectName("lViewer");
    lViewer->setFrameShape(QFrame::NoFrame);
    lViewer->setRootIsDecorated(false);
    lViewer->setUniformRowHeights(true);
    lViewer->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lViewer->setSelectionBehavior(QAbstractItemView::SelectRows);
    lViewer->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lViewer->setIconSize(QSize(ui::ImageListSize, ui::ImageListSize));
    lViewer->setToolTip(tr("Drag & drop file(s) here and click \"Convert\" to convert them"));
    lViewer->setMinimumHeight(90);
    QHeaderView* header = lViewer->header();
    header->setMinimumSectionSize(16);
    lViewer->setColumnWidth(
        ui::ColStatus,
        lViewer->fontMetrics().horizontalAdvance(lViewer->headerItem()->text(ui::ColStatus)) + 28);
    lViewer->setColumnWidth(ui::ColName, 200);
    lViewer->setColumnWidth(ui::ColFolder, 160);
    lViewer->setColumnWidth(ui::ColTime, 60);
    lViewer->setColumnWidth(ui::ColPages, 50);
    lViewer->setColumnWidth(ui::ColResult, 370);
    // The result column, shown last, takes the width the window gains.
    header->setStretchLastSection(true);
    connect(lViewer, &ui::JobListView::RemoveRequested, this, &TvxFrmMain::RemoveSelectedRows);
    lViewer->setContextMenuPolicy(Qt::CustomContextMenu);
    lViewer->viewport()->setAcceptDrops(true);
    lViewer->viewport()->installEventFilter(this);
    connect(lViewer, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* row) { OpenResultOf(row); });
    fill->addWidget(lViewer);
}

void TvxFrmMain::BuildMenus() {
    pm1 = new QMenu(this);
    pm1->setObjectName("pm1");
    BrowseFiles1 = pm1->addAction(tr("Add Files..."), this, &TvxFrmMain::bSourceFileClick);
    pm1->addSeparator();
    OpenSource1 = pm1->addAction(tr("Open Help File"), this, &TvxFrmMain::OpenSource1Click);
    ViewSource1 =
        pm1->addAction(tr("Open Help File's Folder"), this, &TvxFrmMain::ViewSource1Click);
    pm1->addSeparator();
    OpenPdf1 = pm1->addAction(tr("Open PDF"), this, &TvxFrmMain::OpenPdf1Click);
    ViewOutput1 = pm1->addAction(tr("Open Target Folder"), aView, &QAction::trigger);
    pm1->addSeparator();
    RemoveRows1 = pm1->addAction(tr("Remove from List"), this, &TvxFrmMain::RemoveSelectedRows);
    RemoveRows1->setShortcut(QKeySequence::Delete);
    RemoveRows1->setShortcutContext(Qt::WidgetShortcut);  // shown only; the list takes the key
    ExportList1 = pm1->addAction(tr("Export List..."), this, &TvxFrmMain::ExportList1Click);
    connect(lViewer, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        pm1Popup();
        pm1->popup(lViewer->viewport()->mapToGlobal(at));
    });
}

// ---- Choosing sources and targets -----------------------------------------

void TvxFrmMain::bSourceClick() {
    std::string start = FolderPart(ToStd(eSource->text()));
    const std::string folder =
        platform::IncludeTrailingPathDelimiter(ui::Chooser().BrowseForFolder(start));
    eSource->setText(ToQ(folder + vxProject->FileMask));
    SuggestTarget(folder);
}

void TvxFrmMain::bSourceFileClick() {
    if (RefuseWhileRunning()) return;
    std::string names = ToStd(eSource->text());
    if (!ui::Chooser().ChooseFiles(vxProject->SourceFilter, names, true)) return;
    const QString chosen = ToQ(names).trimmed();
    if (!chosen.contains('\n')) eSource->setText(chosen);
    AddChosenFiles(chosen.split('\n', Qt::SkipEmptyParts));
}

void TvxFrmMain::AddChosenFiles(const QStringList& names) {
    NewBatch();
    for (const QString& name : names) {
        const QString trimmed = name.trimmed();
        if (!trimmed.isEmpty()) ShowJob(ToStd(trimmed), Batch, nullptr);
    }
}

void TvxFrmMain::bTargetClick() {
    eTarget->setText(ToQ(platform::IncludeTrailingPathDelimiter(
        ui::Chooser().BrowseForFolder(ToStd(eTarget->text())))));
}

void TvxFrmMain::SuggestTarget(const std::string& folder) {
    if (vxProject->FillTargetFromSource && eTarget->text().isEmpty()) eTarget->setText(ToQ(folder));
}

bool TvxFrmMain::RefuseWhileRunning() {
    // The converters of a run keep using the batch, so it is not replaced
    // before the run has ended; the command is refused with a beep and
    // the reason.
    if (!IsRunning()) return false;
    QApplication::beep();
    StatusBar->ShowProblem(tr("A run is going on: Stop or Pause it first."));
    return true;
}

void TvxFrmMain::WMDropFiles(QObject* control, const QStringList& names) {
    auto* edit = qobject_cast<QLineEdit*>(control);
    if (edit != eSource && edit != eTarget) edit = nullptr;
    if (!edit && control != lViewer) return;
    bool first = true;
    for (const QString& name : names) {
        if (names.size() == 1 && vxProject->IsProjectFile(ToStd(name))) {
            if (!MayDropChanges()) return;
            vxProject->ProjectFile = ToStd(name);
            vxProject->LoadProject(true);
            MarkOptionsSaved();
            UpdateTitle();
            return;
        }
        if (edit) {
            edit->setText(name);
            SuggestTarget(FolderPart(ToStd(name)));
            return;
        }
        if (first) {
            if (RefuseWhileRunning()) return;
            NewBatch();
            first = false;
        }
        ShowJob(ToStd(name), Batch, nullptr);
    }
}

bool TvxFrmMain::eventFilter(QObject* watched, QEvent* event) {
    QObject* control = watched == lViewer->viewport() ? lViewer : watched;
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (!drag->mimeData()->hasUrls()) return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            QStringList names;
            for (const QUrl& url : drop->mimeData()->urls())
                if (url.isLocalFile()) names << url.toLocalFile();
            if (names.isEmpty()) return false;
            drop->acceptProposedAction();
            WMDropFiles(control, names);
            return true;
        }
        case QEvent::MouseButtonDblClick:
            if (watched == eSource)
                bSourceFileClick();
            else if (watched == eTarget)
                bTargetClick();
            else
                return false;
            return true;
        default:
            return TvxFrmBase::eventFilter(watched, event);
    }
}

// ---- Batch, Search, Convert, Pause, Stop ----------------------------------

void TvxFrmMain::NewBatch() {
    ReleaseBatch();
    Batch = new TvxBatch();
    lViewer->ClearJobs();
    tally_ = {};
    StatusBar->Reset();
    rowGeneration_ = rowCalls_.Generation();
    batchSource_ = eSource->text();
    batchSubdir_ = cSubdir->isChecked();
    Batch->OnNodeAdded = [this](TvxBatch* sender, TvxNode* node) { JobAdded(sender, node); };
    Batch->OnNodeStarted = [this](TvxBatch* sender, TvxNode* node) { JobStarted(sender, node); };
}

void TvxFrmMain::ReleaseBatch() {
    if (!Batch) return;
    TvxBatch* batch = Batch;
    Batch = nullptr;
    // The search thread may be waiting for a row: release it, and refuse the
    // rows it would still add, before waiting for it to end.
    batch->Terminate();
    rowCalls_.CancelPending();
    try {
        delete batch;
    } catch (...) {
    }
}

void TvxFrmMain::aSearchExecute() {
    if (RefuseWhileRunning()) return;
    if (!SourceIsReady()) {
        AfterRun();
        return;
    }
    SayInline({});
    NewBatch();
    const std::string source = ToStd(eSource->text());
    if (source.rfind("http", 0) == 0) {
        ShowJob(source, Batch, nullptr);
        return;
    }
    // Search needs no Target: without one, the source's folder stands in.
    const std::string target = eTarget->text().isEmpty() ? SourceFolder() : ToStd(eTarget->text());
    try {
        Batch->Start(source, target, cSubdir->isChecked());
        searchWatch_->start();
    } catch (const std::exception& error) {
        // A batch whose search never started would keep its workers waiting.
        ReleaseBatch();
        ui::ShowError(this, error.what());
    }
}

namespace {

// A target's colon may end a prefix of up to ten characters (a drive "C:",
// "\\?\C:", a scheme such as "file:"); one further in is taken, like a
// wildcard, as no part of a folder the window can use, and the target is
// cut back to its folder part.
constexpr std::string::size_type kLongestColonPrefix = 10;

bool HasColonPastItsPrefix(const std::string& target) {
    const std::string::size_type colon = target.find(':');
    return colon != std::string::npos && colon + 1 > kLongestColonPrefix;
}

}  // namespace

bool TvxFrmMain::ReduceTarget() {
    namespace fs = std::filesystem;
    const char delim = vxProject->PathDelim;
    std::string target = ToStd(eTarget->text());
    auto withoutDelim = [&] {
        std::string text = target;
        if (!text.empty() && text.back() == delim) text.pop_back();
        return text;
    };
    auto needsReduction = [&] {
        std::error_code ec;
        return target.find_first_of("?*") != std::string::npos || HasColonPastItsPrefix(target) ||
               fs::is_regular_file(fs::path(withoutDelim()), ec);
    };
    while (!target.empty() && needsReduction()) target = FolderPart(withoutDelim());
    if (target.empty()) {
        eTarget->setText(QString());
        return false;
    }
    std::error_code ec;
    if (!fs::exists(fs::path(target), ec)) fs::create_directories(fs::path(target), ec);
    if (target.back() != delim) target += delim;
    eTarget->setText(ToQ(target));
    return true;
}

// Checked once before a run: a folder that cannot take the PDF files would
// otherwise fail every job with a message about the file, not the folder.
bool TvxFrmMain::TargetIsWritable() {
    const auto problem = platform::UnwritableFolderReason(ToStd(eTarget->text()));
    if (!problem) return true;
    ui::ShowError(this, platform::EscapeControls(*problem));
    return false;
}

// An unattended run writes its log at the end: a log that would replace a
// help file or a PDF keeps the run from starting (and is not written).
bool TvxFrmMain::LogIsHarmless() {
    if (!vxProject->GetRunAndClose()) return true;
    const auto clash = LogFileProblem(*vxProject);
    if (clash) ui::ShowError(this, *clash);
    return !clash;
}

void TvxFrmMain::aConvertExecute() {
    if (!TargetIsReady()) {
        AfterRun();
        return;
    }
    if (!LogIsHarmless()) {
        AfterRun();
        return;
    }
    vxProject->WriteProject(false);
    if (!Batch || Batch->IsExhausted() || SourceChangedSinceSearch()) aSearchExecute();
    if (!Batch) {
        AfterRun();
        return;
    }
    daemonTimer_->stop();
    aConvert->setEnabled(false);
    aSearchConvert->setEnabled(false);
    aSearch->setEnabled(false);
    const std::string capNote =
        options::ThreadsCapNote(options::ChooseThreadsCount(vxProject->GetThreadsCount()));
    if (!capNote.empty()) std::fprintf(stderr, "%s\n", capNote.c_str());
    try {
        const unsigned generation = rowGeneration_;
        Converter = TvxConvertor::StartChain(Batch, ToStd(eTarget->text()),
                                             [this, generation](TvxBatch* sender, TvxNode* node) {
                                                 if (generation == rowGeneration_)
                                                     JobDone(sender, node);
                                             });
    } catch (const std::exception& error) {
        Converter = nullptr;
        EnterIdleState();
        ui::ShowError(this, error.what());
        return;
    }
    chain_ = Converter->Chain();
    RunningWorkers = Converter->ChainCount;
    Converter->SetFinishHandler([this] { OnFinish(); });
    aStop->setEnabled(true);
    bCreate->SetAction(aPause);
    aPause->setEnabled(true);
    bSearchConvert->SetAction(aStop);
    StatusBar->RunStarted();
    SayInline({});
    Converter->ResumeChain();
    StopRequested = false;
}

void TvxFrmMain::aSearchConvertExecute() {
    aSearchExecute();
    aConvertExecute();
}

void TvxFrmMain::aPauseExecute() {
    aPause->setEnabled(false);
    aStop->setEnabled(false);
    if (chain_ && IsRunning()) chain_->Stop();
    SetDropBatchAtFinish(0);
}

void TvxFrmMain::aStopExecute() {
    StopRequested = true;
    if (IsWaitingForDaemon()) {
        daemonTimer_->stop();
        EnterIdleState();
        return;
    }
    aPause->setEnabled(false);
    aStop->setEnabled(false);
    if (Batch) Batch->Terminate();
    if (chain_ && IsRunning()) chain_->Stop();
    SetDropBatchAtFinish(1);
}

int TvxFrmMain::DropBatchAtFinish() const { return aStop->data().toInt(); }

void TvxFrmMain::SetDropBatchAtFinish(int value) { aStop->setData(value); }

bool TvxFrmMain::IsWaitingForDaemon() const { return daemonTimer_->isActive(); }

void TvxFrmMain::EnterIdleState() {
    aConvert->setEnabled(true);
    bCreate->SetAction(aConvert);
    aSearchConvert->setEnabled(true);
    bSearchConvert->SetAction(aSearchConvert);
    aSearch->setEnabled(true);
    aPause->setEnabled(false);
    aStop->setEnabled(false);
}

// ---- Links, opening sources and results ---------------------------------

void TvxFrmMain::aViewExecute() {
    if (eTarget->text().isEmpty()) {
        SayInline(tr("Choose a Target folder for the PDF files."));
        eTarget->setFocus();
        return;
    }
    OpenOrSay(ToStd(eTarget->text()));
}

void TvxFrmMain::ViewSource1Click() { OpenSelectedSource(true); }

void TvxFrmMain::OpenSource1Click() { OpenSelectedSource(false); }

QTreeWidgetItem* TvxFrmMain::FirstSelectedRow() const {
    for (int row = 0; row < lViewer->topLevelItemCount(); ++row)
        if (lViewer->topLevelItem(row)->isSelected()) return lViewer->topLevelItem(row);
    return nullptr;
}

void TvxFrmMain::OpenSelectedSource(bool folderOnly) {
    const QTreeWidgetItem* item = FirstSelectedRow();
    if (!item) return;
    const std::string name = ToStd(ui::JobListView::SourcePath(item));
    OpenOrSay(folderOnly ? FolderPart(name) : name);
}

void TvxFrmMain::OpenPdf1Click() { OpenResultOf(FirstSelectedRow()); }

void TvxFrmMain::pm1Popup() {
    const bool selected = !lViewer->selectedItems().isEmpty();
    OpenSource1->setEnabled(selected);
    ViewSource1->setEnabled(selected);
    OpenPdf1->setEnabled(HasPdf(FirstSelectedRow()));
    RemoveRows1->setEnabled(selected && !IsRunning());
}

void TvxFrmMain::aUpdateExecute() {
    if (vxInfo) OpenOrSay(vxInfo->UpdatePageUrl());
}

void TvxFrmMain::aHelpExecute() {
    if (vxInfo) OpenOrSay(vxInfo->HelpDocument());
}

void TvxFrmMain::aHomePageExecute() {
    if (vxInfo) OpenOrSay(vxInfo->HomePageUrl());
}

void TvxFrmMain::aSupportsExecute() {
    if (vxInfo) OpenOrSay(vxInfo->SupportMailUrl());
}

void TvxFrmMain::aAboutExecute() {
    if (vxFrmPellinAbout) vxFrmPellinAbout->ShowAbout();
}

// ---- Creation, showing, closing --------------------------------------------

void TvxFrmMain::RegisterOptionControls() {
    vxProject->RegisterControl(eSource, "Source", "Text");
    vxProject->RegisterControl(cSubdir, "Subdir", "Checked");
    vxProject->RegisterControl(eTarget, "Target", "Text");
}

void TvxFrmMain::FormCreate() {
    vxProject->SetPathChooser(&ui::Chooser());
    RegisterOptionControls();
    vxProject->OpenAtStart();
    // What the start-up loaded, from a file or the command line, is saved.
    MarkOptionsSaved();
    UpdateTitle();
}

void TvxFrmMain::FormShow() {
    if (!ShownOnce) {
        // Started from the event loop, so that a run that ends at once may
        // close the window after its showing has completed.
        QTimer::singleShot(0, this, &TvxFrmMain::AutoRun);
    }
    ShownOnce = true;
}

void TvxFrmMain::AutoRun() {
    if (vxProject->GetRunAndClose()) aConvertExecute();
}

void TvxFrmMain::closeEvent(QCloseEvent* event) {
    // The converters use the batch and their office instances until their
    // current jobs are done: end them and wait, keeping the window serving
    // their last calls, before anything is freed.
    if (waitingToClose_) {
        event->ignore();  // already ending the run; the first close completes
        return;
    }
    if (!closeByProgram_ && !MayDropChanges()) {
        event->ignore();
        return;
    }
    closing_ = true;
    daemonTimer_->stop();
    if (IsRunning()) {
        waitingToClose_ = true;
        StopRequested = true;
        aStopExecute();
        WaitForConverters();
        waitingToClose_ = false;
    }
    event->accept();
}

void TvxFrmMain::EndOnStopRequest() {
    StopRequested = true;
    daemonTimer_->stop();
    if (IsRunning()) {
        // The last converter's end writes the log of an unattended run.
        aStopExecute();
        WaitForConverters();
    }
    closeByProgram_ = true;  // a stop request asks no question about unsaved options
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void TvxFrmMain::CloseByProgram() {
    closeByProgram_ = true;
    close();
    closeByProgram_ = false;
}

void TvxFrmMain::FormDestroy() {
    closing_ = true;
    daemonTimer_->stop();
    if (IsRunning()) {
        if (Batch) Batch->Terminate();
        if (chain_) chain_->Stop();
        WaitForConverters();
    }
    ReleaseBatch();
    // The project forgets the bound controls as they are destroyed.
}
