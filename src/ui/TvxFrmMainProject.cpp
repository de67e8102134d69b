// The main window's project commands (open, recent projects, new, options,
// save), its caption, and the question before options changed in the window
// are given up.

#include <QAction>
#include <QMenu>
#include <filesystem>

#include "core/OptionList.h"
#include "core/TvxProject.h"
#include "ui/Questions.h"
#include "ui/TvxFrmCfg.h"
#include "ui/TvxFrmMain.h"
#include "ui/UiServices.h"
#include "ui/UiText.h"

using ui::ToQ;
using ui::ToStd;

void TvxFrmMain::aOpenExecute() {
    if (!MayDropChanges()) return;
    if (vxProject->LoadProject(false)) MarkOptionsSaved();
    UpdateTitle();
}

void TvxFrmMain::pm2Popup() {
    pm2->clear();
    for (const std::string& entry : vxProject->Recent) {
        // "&&" keeps the menu from turning a character into an accelerator.
        QAction* item = pm2->addAction(ToQ(entry).replace("&", "&&"));
        item->setData(ToQ(entry));
        std::error_code ec;
        item->setEnabled(std::filesystem::exists(std::filesystem::path(entry), ec));
        connect(item, &QAction::triggered, this, [this, item] { RecentProjectClick(item); });
    }
}

void TvxFrmMain::RecentProjectClick(QAction* item) {
    if (!MayDropChanges()) return;
    vxProject->ProjectFile = ToStd(item->data().toString());
    vxProject->LoadProject(true);
    MarkOptionsSaved();
    UpdateTitle();
}

void TvxFrmMain::aNewExecute() {
    if (!MayDropChanges()) return;
    vxProject->NewProject();
    MarkOptionsSaved();
    UpdateTitle();
}

void TvxFrmMain::aConfigExecute() {
    if (!vxFrmCfg) vxFrmCfg = new TvxFrmCfg(this);
    vxFrmCfg->ShowModal();
    UpdateTitle();
}

void TvxFrmMain::aSaveExecute() { SaveOptions(false); }

void TvxFrmMain::aSaveAsExecute() { SaveOptions(true); }

bool TvxFrmMain::SaveOptions(bool asNewFile) {
    bool saved = false;
    try {
        saved = asNewFile ? vxProject->SaveProjectAs() : vxProject->SaveProject();
    } catch (const std::exception& error) {
        // A project file that cannot be written is told, not fatal.
        ui::ShowError(this, error.what());
    }
    if (saved) MarkOptionsSaved();
    UpdateTitle();
    return saved;
}

void TvxFrmMain::MarkOptionsSaved() { savedOptions_ = vxProject->CollectedOptionLines(); }

namespace {

// Convert ends the target with the delimiter; that alone is no change the
// user made.
std::vector<std::string> WithoutTargetDelimiter(std::vector<std::string> lines, char delim) {
    const std::string target = options::Read(lines, "Target");
    if (target.size() > 1 && target.back() == delim)
        options::Write(lines, "Target", target.substr(0, target.size() - 1));
    return lines;
}

}  // namespace

bool TvxFrmMain::HasUnsavedChanges() {
    const char delim = vxProject->PathDelim;
    return WithoutTargetDelimiter(vxProject->CollectedOptionLines(), delim) !=
           WithoutTargetDelimiter(savedOptions_, delim);
}

bool TvxFrmMain::MayDropChanges() {
    // Nobody answers in an unattended run.
    if (vxProject->GetRunAndClose() || !HasUnsavedChanges()) return true;
    switch (ui::Ask().AskUnsavedOptions(this)) {
        case ui::UnsavedAnswer::Save:
            return SaveOptions(false);
        case ui::UnsavedAnswer::Discard:
            return true;
        case ui::UnsavedAnswer::Cancel:
            break;
    }
    return false;
}

void TvxFrmMain::UpdateTitle() {
    const std::string& file = vxProject->ProjectFile;
    setWindowTitle(ToQ(vxProject->Title) + " - " + (file.empty() ? tr("None") : ToQ(file)));
}
