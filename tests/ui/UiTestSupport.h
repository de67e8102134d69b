#pragma once
// The window under test: an offscreen Qt application, the process-wide
// objects made as start-up makes them (program in a private temporary
// folder, recorded shell, scripted dialogs), a test converter that needs no
// office, and the main window and about window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <string>

#include "../core/CoreTestSupport.h"
#include "RecordingShellLauncher.h"
#include "ScratchFolder.h"
#include "batch/TvxBatch.h"
#include "console/ProcessObjects.h"
#include "convert/job/TvxConvertor.h"
#include "core/ErrorReportChoice.h"
#include "core/TvxApp.h"
#include "core/TvxInfo.h"
#include "core/TvxPathChooser.h"
#include "core/TvxProduct.h"
#include "core/TvxProject.h"
#include "platform/process/TickClock.h"
#include "ui/ActionButton.h"
#include "ui/DesktopNotifier.h"
#include "ui/QtMainThreadDispatcher.h"
#include "ui/Questions.h"
#include "ui/TvxFrmAbout.h"
#include "ui/TvxFrmMain.h"
#include "ui/UiServices.h"
#include "ui/WindowRoad.h"

namespace uitest {

namespace fs = std::filesystem;

constexpr int kWait = 10000;  // ms; generous, the runs take milliseconds

inline QApplication& App() {
    static int argc = 1;
    static char name[] = "pellin_ui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        // An offscreen platform given with options (a screen size) is kept.
        if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* made = new QApplication(argc, argv);
        made->setQuitOnLastWindowClosed(false);
        return made;
    }();
    return *app;
}

using coretest::Bytes;
using coretest::WriteBytes;

// Answers the window's dialogs in order; an empty or missing answer is a
// cancel (the folder chooser then gives back its start).
class ScriptedChooser : public TvxPathChooser {
public:
    std::deque<std::string> answers;

    std::string BrowseForFolder(const std::string& start) override {
        const std::string answer = Next();
        return answer.empty() ? start : answer;
    }
    bool ChooseFiles(const std::string&, std::string& name, bool) override { return Answer(name); }
    bool ChooseSaveFile(const std::string&, const std::string&, std::string& name) override {
        return Answer(name);
    }

private:
    std::string Next() {
        if (answers.empty()) return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool Answer(std::string& name) {
        const std::string answer = Next();
        if (answer.empty()) return false;
        name = answer;
        return true;
    }
};

// What the test converter does: files whose name holds "bad" fail with a
// two-line message, files whose name holds "gone" fail with a message naming
// the file, files whose name holds "part" convert with topics left out,
// files whose name holds "skip" end as skipped (done, no
// result), files whose name holds "throw" escape with an exception (no
// job-done call); with the gate closed, each job waits until it opens or
// until Let lets it through.
struct ConverterScript {
    std::atomic<int> jobsProcessed{0};
    std::mutex mutex;
    std::condition_variable opened;
    bool gateClosed = false;
    int jobsInHand = 0;
    int passes = 0;  // jobs let through the closed gate

    void CloseGate() {
        std::lock_guard lock(mutex);
        gateClosed = true;
        passes = 0;
    }
    void OpenGate() {
        std::lock_guard lock(mutex);
        gateClosed = false;
        opened.notify_all();
    }
    void Let(int jobs) {
        std::lock_guard lock(mutex);
        passes += jobs;
        opened.notify_all();
    }
    int JobsInHand() {
        std::lock_guard lock(mutex);
        return jobsInHand;
    }
    void PassGate() {
        std::unique_lock lock(mutex);
        ++jobsInHand;
        // Bounded, so that a failing test cannot hang the suite.
        opened.wait_for(lock, std::chrono::seconds(10),
                        [this] { return !gateClosed || passes > 0; });
        if (gateClosed && passes > 0) --passes;
        --jobsInHand;
    }
};

inline ConverterScript& Script() {
    static ConverterScript script;
    return script;
}

class TestConvertor : public TvxConvertor {
public:
    using TvxConvertor::TvxConvertor;

    void ConvertFile(TvxBatch* batch, TvxNode* node) override {
        Script().PassGate();
        if (node->FileName.find("throw") != std::string::npos) {
            ++Script().jobsProcessed;
            throw std::runtime_error("the converter gave up");
        }
        if (node->FileName.find("gone") != std::string::npos) {
            node->Status = TvxNode::Failed;
            node->ResultText = "Cannot read " + node->FileName;
            batch->AddFailure(node->ResultText);
        } else if (node->FileName.find("bad") != std::string::npos) {
            node->Status = TvxNode::Failed;
            node->ResultText = "Cannot convert\nsecond line";
            batch->AddFailure("Cannot convert?");
        } else if (node->FileName.find("part") != std::string::npos) {
            node->Status = TvxNode::Done;
            node->ResultText = batch->TargetDir + "part.pdf";
            WriteBytes(node->ResultText, "%PDF");
            node->Note = "2 of 5 topics left out: a.htm (unreadable), b.htm (too deep)";
            node->Timings = "decompile=1.20 book=0.31";
            batch->AddSuccess();
        } else if (node->FileName.find("skip") != std::string::npos) {
            node->Status = TvxNode::Done;
            node->ResultText.clear();
        } else {
            node->Status = TvxNode::Done;
            node->ResultText = batch->TargetDir + fs::path(node->FileName).stem().string() + ".pdf";
            WriteBytes(node->ResultText, "%PDF");
            batch->AddSuccess();
        }
        ++Script().jobsProcessed;
    }
};

// Answers the windows' questions from a script and counts them.
class ScriptedQuestions : public ui::Questions {
public:
    ui::UnsavedAnswer unsavedAnswer = ui::UnsavedAnswer::Cancel;
    bool acceptProblems = false;
    int unsavedAsked = 0;
    QStringList problemsShown;
    ui::ErrorReportAnswer reportAnswer;  // Don't send, ask again
    int reportAsked = 0;
    QStringList reportShown;

    ui::UnsavedAnswer AskUnsavedOptions(QWidget*) override {
        ++unsavedAsked;
        return unsavedAnswer;
    }
    bool AcceptOptionProblems(QWidget*, const QStringList& problems) override {
        problemsShown = problems;
        return acceptProblems;
    }
    ui::ErrorReportAnswer AskErrorReport(QWidget*, int, const QStringList& contents) override {
        ++reportAsked;
        reportShown = contents;
        return reportAnswer;
    }
};

class RecordingNotifier : public ui::DesktopNotifier {
public:
    std::vector<std::pair<QString, QString>> sent;
    void Notify(const QString& summary, const QString& body) override {
        sent.emplace_back(summary, body);
    }
};

// A clock that moves only when told.
class ManualClock : public platform::TickClock {
public:
    std::atomic<std::uint32_t> now{1000};
    std::uint32_t TickCount() const override { return now.load(); }
};

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        scratch = std::make_unique<testsupport::ScratchFolder>("ui");
        root = scratch->Path();
        fs::create_directories(root / "bin");
        fs::create_directories(root / "src");
        Script().jobsProcessed = 0;
        Script().OpenGate();

        vxApp = new TvxApp((root / "bin/pellin").string(), "");
        vxInfo = new TvxInfo(shell, vxApp->ExeName);
        vxProject = new TvxProject();
        ApplyProductConstants(*vxProject);
        vxProject->ConvertorClass = [](TvxBatch* batch, int count, const TvxNodeEvent& done) {
            return new TestConvertor(batch, count, done);
        };
        ui::SetPathChooser(&chooser);
        ui::SetShell(&shell);
        ui::SetQuestions(&questions);
        ui::SetNotifier(&notifier);
        dispatcher = std::make_unique<ui::QtMainThreadDispatcher>();
    }

    void TearDown() override {
        Script().OpenGate();
        ui::FreeWindows();
        dispatcher.reset();
        ui::SetPathChooser(nullptr);
        ui::SetShell(nullptr);
        ui::SetQuestions(nullptr);
        ui::SetNotifier(nullptr);
        FreeProcessObjects();
        scratch.reset();
    }

    // The options are in place before the window is made, as a loaded
    // project would have them.
    TvxFrmMain& MakeWindow(const std::vector<std::string>& options = {}) {
        vxProject->Options = options;
        vxFrmMain = new TvxFrmMain();
        vxFrmPellinAbout = new TvxFrmPellinAbout();
        return *vxFrmMain;
    }

    // A window whose Source names the files (made empty) and whose Target is
    // a folder "out" of the test.
    TvxFrmMain& WindowOn(const std::vector<std::string>& files,
                         std::vector<std::string> options = {}) {
        const std::string source = MakeSources(files);
        options.push_back("Source=" + source + "*.chm");
        options.push_back("Target=" + Path("out") + "/");
        return MakeWindow(options);
    }

    std::string MakeSources(const std::vector<std::string>& names) {
        for (const std::string& name : names) WriteBytes((root / "src" / name).string(), "x");
        return (root / "src").string() + "/";
    }

    std::string Path(const std::string& name) const { return (root / name).string(); }

    static int RowCount(TvxFrmMain& window) { return window.lViewer->topLevelItemCount(); }
    // -1 and "<no row>" for a row that does not exist.
    static int RowStatus(TvxFrmMain& window, int row) {
        const QTreeWidgetItem* item = window.lViewer->topLevelItem(row);
        return item ? item->data(0, Qt::UserRole).toInt() : -1;
    }
    // Column 1 gives the help file's full path, which the row splits into
    // name and folder.
    static std::string RowText(TvxFrmMain& window, int row, int column) {
        const QTreeWidgetItem* item = window.lViewer->topLevelItem(row);
        if (!item) return "<no row>";
        if (column == ui::ColName) return ui::JobListView::SourcePath(item).toStdString();
        return item->text(column).toStdString();
    }
    static bool IsIdle(TvxFrmMain& window) {
        return !window.IsRunning() && window.aConvert->isEnabled();
    }
    // Converts and waits until the run has ended.
    static void Convert(TvxFrmMain& window) {
        window.aConvertExecute();
        QTRY_VERIFY_WITH_TIMEOUT(IsIdle(window), kWait);
    }
    // Converts with the gate closed, until the first job waits at it.
    static void ConvertHeld(TvxFrmMain& window) {
        Script().CloseGate();
        window.aConvertExecute();
        QTRY_COMPARE_WITH_TIMEOUT(Script().JobsInHand(), 1, kWait);
    }
    // Opens the gate and waits until the run has ended.
    static void FinishRun(TvxFrmMain& window) {
        Script().OpenGate();
        QTRY_VERIFY_WITH_TIMEOUT(IsIdle(window), kWait);
    }

    std::unique_ptr<testsupport::ScratchFolder> scratch;
    fs::path root;
    testsupport::RecordingShellLauncher shell;
    ScriptedChooser chooser;
    ScriptedQuestions questions;
    RecordingNotifier notifier;
    std::unique_ptr<ui::QtMainThreadDispatcher> dispatcher;
};

}  // namespace uitest
