#include "ui/UiServices.h"

#include <QMessageBox>
#include <cstdio>

#include "core/TvxInfo.h"
#include "core/TvxProject.h"
#include "platform/process/ShellLauncher.h"
#include "ui/DesktopNotifier.h"
#include "ui/QtPathChooser.h"
#include "ui/Questions.h"

namespace ui {
namespace {

TvxPathChooser* installedChooser = nullptr;
platform::ShellLauncher* installedShell = nullptr;
Questions* installedQuestions = nullptr;
DesktopNotifier* installedNotifier = nullptr;

}  // namespace

void SetPathChooser(TvxPathChooser* chooser) { installedChooser = chooser; }

void SetShell(platform::ShellLauncher* shell) { installedShell = shell; }

void SetQuestions(Questions* questions) { installedQuestions = questions; }

void SetNotifier(DesktopNotifier* notifier) { installedNotifier = notifier; }

TvxPathChooser& Chooser() {
    static QtPathChooser dialogs;
    return installedChooser ? *installedChooser : dialogs;
}

platform::ShellLauncher& Shell() {
    static platform::XdgOpenLauncher xdgOpen;
    return installedShell ? *installedShell : xdgOpen;
}

Questions& Ask() {
    static MessageBoxQuestions boxes;
    return installedQuestions ? *installedQuestions : boxes;
}

DesktopNotifier& Notifier() {
    // Made on first use, so a program that never notifies never opens the bus.
    static DBusDesktopNotifier sessionBus;
    return installedNotifier ? *installedNotifier : sessionBus;
}

void ShellOpen(const std::string& target) { Shell().Open(target); }

void OpenHelpDocument() {
    if (vxInfo) vxInfo->OpenHelp();
}

void OpenHomePage() {
    if (vxInfo) vxInfo->OpenHomePage();
}

void OpenUpdatePage() {
    if (vxInfo) vxInfo->OpenUpdatePage();
}

void OpenSupportMail() {
    if (vxInfo) vxInfo->OpenSupportMail();
}

void ShowError(QWidget* parent, const std::string& message) {
    if (vxProject && vxProject->GetRunAndClose()) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return;
    }
    QMessageBox::critical(parent, QString::fromStdString(vxProject ? vxProject->Title : ""),
                          QString::fromStdString(message));
}

}  // namespace ui
