// Program entry: creates the process-wide objects in a fixed order, lets the
// command line load the project, takes the windowless road or the window's,
// and frees the objects in the reverse order however the process ends.

#include <csignal>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "batch/TvxMatch.h"
#include "console/ProcessObjects.h"
#include "console/TvxMain.h"
#include "convert/job/TvxPellin.h"
#include "core/TvxApp.h"
#include "core/TvxEndProcess.h"
#include "core/TvxInfo.h"
#include "core/TvxProduct.h"
#include "core/TvxProject.h"
#include "core/TvxRoad.h"
#include "core/TvxUsage.h"
#include "platform/process/ExecutablePath.h"
#include "platform/process/ShellLauncher.h"
#include "platform/process/StopRequest.h"
#include "platform/text/EscapedText.h"

#ifdef PELLIN_HAVE_UI
#include "ui/WindowRoad.h"
#endif

#ifdef PELLIN_HAVE_OFFICE
#include "platform/office/OfficeServers.h"
#endif

#ifdef PELLIN_HAVE_WIDGETS
#include <QApplication>
#include <QMessageBox>
#endif

namespace {

bool HasDisplay() {
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

// A window can be shown: the program has one, and there is a desktop (or a
// window system chosen by QT_QPA_PLATFORM, such as offscreen).
bool CanShowWindow() {
#ifdef PELLIN_HAVE_UI
    return HasDisplay() || std::getenv("QT_QPA_PLATFORM") != nullptr;
#else
    return false;
#endif
}

// An error that escaped the windowless run: a message box when a desktop is
// there to show it, else standard error.
void ShowFatalError(int& argc, char** argv, const std::string& message) {
#ifdef PELLIN_HAVE_WIDGETS
    if (HasDisplay()) {
        QApplication app(argc, argv);
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QString::fromStdString(message));
        return;
    }
#else
    (void)argc;
    (void)argv;
    (void)HasDisplay;
#endif
    std::cerr << message << '\n';
}

// The runner checks everything a run needs (the Shard option among them)
// before it starts, and says why a run cannot start (code 3).
int RunWindowless(int& argc, char** argv) {
    try {
        return vxMain->Run();
    } catch (const std::exception& error) {
        ShowFatalError(argc, argv, platform::EscapeControls(error.what()));
        return ExitLogNotWritten;
    }
}

int RunWindow(int& argc, char** argv) {
    // The application object, the main window, then the about window, its
    // start-up ShowAbout call, and the message loop.
#ifdef PELLIN_HAVE_UI
    // Without a desktop the window system would abort the process, and the
    // recent list would be lost with it: say why and end normally instead.
    if (!CanShowWindow()) {
        std::cerr << "No desktop to show the window on. Run without a window with the option "
                     "PureConsole=1.\n";
        return 1;
    }
    return ui::RunWindowRoad(argc, argv);
#else
    (void)argc;
    (void)argv;
    return 0;
#endif
}

// A run ended by SIGTERM or SIGINT tells its caller so, as a shell does.
int ExitCodeAfter(int code) {
    const int signal = platform::StopSignal();
    return signal != 0 ? 128 + signal : code;
}

}  // namespace

int main(int argc, char** argv) {
    // First of all, so a stop asked for during start-up is not lost either.
    platform::InstallStopSignals();
    // A write to a pipe or socket whose reader has gone (the office's
    // connection as the office ends, a console piped into `head`) fails with
    // EPIPE where it is checked, instead of ending the run without its summary.
    ::signal(SIGPIPE, SIG_IGN);
    platform::XdgOpenLauncher shell;
    ProcessObjects objects;
#ifdef PELLIN_HAVE_OFFICE
    platform::office::RegisterOfficeServers();
#endif

    vxApp = new TvxApp(platform::ExecutablePath(argv[0]), argc > 1 ? argv[1] : "");
    vxInfo = new TvxInfo(shell, vxApp->ExeName);
    vxProject = new TvxProject();
    vxMain = new TvxMain();

    ApplyProductConstants(*vxProject);
    if (const auto information = InformationFor(vxApp->FirstParam, *vxProject)) {
        std::cout << *information;
        return 0;
    }
    vxProject->ConvertorClass = &TvxPellin::Make;
    try {
        vxProject->ParseCommandLine();
    } catch (const TvxEndProcess&) {
        return 0;
    }
    vxMatch = new TvxMatch();

    if (ChooseRoad(*vxProject, CanShowWindow()) == TvxRoad::Windowless)
        return ExitCodeAfter(RunWindowless(argc, argv));
    return ExitCodeAfter(RunWindow(argc, argv));
}
