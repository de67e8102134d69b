#include "ui/WindowRoad.h"

#include <QApplication>
#include <chrono>

#include "convert/chm/ChmDecompilation.h"
#include "core/TvxProject.h"
#include "ui/ImageList.h"
#include "ui/QtMainThreadDispatcher.h"
#include "ui/TvxFrmAbout.h"
#include "ui/TvxFrmMain.h"

namespace ui {

void FreeWindows() {
    delete vxFrmPellinAbout;
    vxFrmPellinAbout = nullptr;
    delete vxFrmMain;
    vxFrmMain = nullptr;
}

int RunWindowRoad(int& argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QString::fromStdString(vxProject->Title));
    app.setApplicationVersion(QString::fromStdString(vxProject->Version));
    app.setWindowIcon(ProgramIcon());
    QtMainThreadDispatcher dispatcher;

    vxFrmMain = new TvxFrmMain();
    vxFrmPellinAbout = new TvxFrmPellinAbout();
    vxFrmPellinAbout->ShowAbout();
    vxFrmMain->show();
    app.exec();

    FreeWindows();
    // Job folders are removed on threads that end with the process: let the
    // last ones finish, as the windowless run does.
    WaitForTempFolderRemovals(std::chrono::seconds(30));
    return 0;
}

}  // namespace ui
