// Program entry: creates the process-wide objects in a fixed order, lets the
// command line load the project, takes the windowless road or the window's,
// and frees the objects in the reverse order however the process ends.

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "batch/TvxMatch.h"
#include "console/TvxMain.h"
#include "convert/TvxPellin.h"
#include "core/TvxApp.h"
#include "core/TvxEndProcess.h"
#include "core/TvxInfo.h"
#include "core/TvxProduct.h"
#include "core/TvxProject.h"
#include "core/TvxRoad.h"
#include "core/TvxShard.h"
#include "platform/ExecutablePath.h"
#include "platform/ShellLauncher.h"

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

// Owns the process-wide objects from the moment each is created; frees them in
// the reverse order of creation, also when a command-line switch or an error
// ends the process early.
class ProcessObjects {
public:
    ProcessObjects() = default;
    ProcessObjects(const ProcessObjects&) = delete;
    ProcessObjects& operator=(const ProcessObjects&) = delete;
    ~ProcessObjects() {
        delete vxMatch;
        vxMatch = nullptr;
        // The windowless runner (vxMain) is freed here, before the project.
        delete vxMain;
        vxMain = nullptr;
        delete vxProject;
        vxProject = nullptr;
        delete vxInfo;
        vxInfo = nullptr;
        delete vxApp;
        vxApp = nullptr;
    }
};

bool HasDisplay() {
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
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

int RunWindowless(int& argc, char** argv) {
    // A run that cannot start says why and ends with code 3.
    if (const auto problem = ShardOptionProblem(*vxProject)) {
        std::cerr << *problem << '\n';
        return 3;
    }
    try {
        vxMain->Run();
        return 0;
    } catch (const std::exception& error) {
        ShowFatalError(argc, argv, error.what());
        return 1;
    }
}

int RunWindow(int& argc, char** argv) {
    // The application object, the main window, then the about window, its
    // start-up ShowAbout call, and the message loop.
#ifdef PELLIN_HAVE_UI
    // Without a desktop the window system would abort the process, and the
    // recent list would be lost with it: say why and end normally instead.
    if (!HasDisplay() && std::getenv("QT_QPA_PLATFORM") == nullptr) {
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

}  // namespace

int main(int argc, char** argv) {
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
    vxProject->ConvertorClass = &TvxPellin::Make;
    try {
        vxProject->ParseCommandLine();
    } catch (const TvxEndProcess&) {
        return 0;
    }
    vxMatch = new TvxMatch();

    if (ChooseRoad(*vxProject) == TvxRoad::Windowless) return RunWindowless(argc, argv);
    return RunWindow(argc, argv);
}
