#include "ui/WindowRoad.h"

#include <QApplication>
#include <chrono>

#include "convert/chm/ChmDecompilation.h"
#include "core/TvxApp.h"
#include "core/TvxProject.h"
#include "platform/process/ProcessRunner.h"
#include "ui/ImageList.h"
#include "ui/QtMainThreadDispatcher.h"
#include "ui/Translations.h"
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
    InstallTranslations(app, vxApp->ExeName);
    app.setApplicationName(QString::fromStdString(vxProject->Title));
    app.setApplicationVersion(QString::fromStdString(vxProject->Version));
    app.setWindowIcon(ProgramIcon());
    QtMainThreadDispatcher dispatcher;

    vxFrmMain = new TvxFrmMain();
    vxFrmPellinAbout = new TvxFrmPellinAbout();
    vxFrmPellinAbout->OfficeProbe = [] {
        const auto said = platform::ProcessRunner::Current()->Output("soffice", {"--version"},
                                                                     std::chrono::seconds(20));
        // "LibreOffice 7.4.7.2 40(Build:2)": the name and the version.
        const QStringList words = QString::fromStdString(said.value_or("")).split(' ');
        return words.size() >= 2
                   ? words[0] + ' ' + words[1]
                   : QCoreApplication::translate("TvxFrmAbout", "LibreOffice (not found)");
    };
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
