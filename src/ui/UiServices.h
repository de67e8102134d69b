#pragma once
// What the windows reach outside the program through: the path choosers, the
// shell's default handler, the questions to the user, the desktop
// notifications and the product links. The program uses the real ones (Qt
// dialogs, xdg-open, message boxes, the session bus); tests install
// scripted and recording stand-ins before they create a window.

#include <string>
#include <vector>

class QWidget;
class TvxPathChooser;

namespace platform {
class ShellLauncher;
}

namespace ui {

class DesktopNotifier;
class Questions;

// Not owned; nullptr restores the defaults (Qt dialogs, xdg-open, message
// boxes, the session bus).
void SetPathChooser(TvxPathChooser* chooser);
void SetShell(platform::ShellLauncher* shell);
void SetQuestions(Questions* questions);
void SetNotifier(DesktopNotifier* notifier);
TvxPathChooser& Chooser();
platform::ShellLauncher& Shell();
Questions& Ask();
DesktopNotifier& Notifier();

// Hands a file, folder or address to the shell's default action.
void ShellOpen(const std::string& target);

// The product links (help document beside the program, home page, update
// page, support mail).
void OpenHelpDocument();
void OpenHomePage();
void OpenUpdatePage();
void OpenSupportMail();

// An error of a command: a message box, or standard error when the run is
// unattended and nobody would answer the box.
void ShowError(QWidget* parent, const std::string& message);

}  // namespace ui
