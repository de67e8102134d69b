#include "ui/QtPathChooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "ui/UiText.h"

namespace ui {
namespace {

QWidget* Owner() { return QApplication::activeWindow(); }

void StartAt(QFileDialog& dialog, const std::string& name) {
    if (name.empty()) return;
    const std::string folder = FolderPart(name);
    if (!folder.empty()) dialog.setDirectory(ToQ(folder));
    dialog.selectFile(ToQ(platform::ExtractFileName(name)));
}

}  // namespace

QString QtPathChooser::QtFilter(const std::string& filter) {
    const QStringList parts = ToQ(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << parts[i] + " (" + patterns + ")";
    }
    return filters.join(";;");
}

std::string QtPathChooser::BrowseForFolder(const std::string& start) {
    const QString folder = QFileDialog::getExistingDirectory(Owner(), QString(), ToQ(start));
    return folder.isEmpty() ? start : ToStd(folder);
}

bool QtPathChooser::ChooseFiles(const std::string& filter, std::string& name, bool multiple) {
    QFileDialog dialog(Owner());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setNameFilter(QtFilter(filter));
    std::string initial = name;
    for (char& c : initial)
        if (c == '?') c = '*';
    StartAt(dialog, initial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    name = ToStd(dialog.selectedFiles().join("\r\n"));
    return true;
}

bool QtPathChooser::ChooseSaveFile(const std::string& filter, const std::string& defaultExt,
                                   std::string& name) {
    QFileDialog dialog(Owner());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QtFilter(filter));
    QString suffix = ToQ(defaultExt);
    if (suffix.startsWith('.')) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    StartAt(dialog, name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    name = ToStd(dialog.selectedFiles().first());
    return true;
}

}  // namespace ui
