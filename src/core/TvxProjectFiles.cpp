// The project's command line, project files and recent list.

#include <cctype>

#include "core/OptionList.h"
#include "core/TvxApp.h"
#include "core/TvxEndProcess.h"
#include "core/TvxInfo.h"
#include "core/TvxPathChooser.h"
#include "core/TvxProject.h"
#include "platform/files/FileError.h"
#include "platform/files/FileSystem.h"
#include "platform/files/StateFolders.h"
#include "platform/files/TextFile.h"
#include "platform/text/AsciiText.h"
#include "platform/text/PathText.h"
#include "platform/text/TextReplace.h"

namespace {

char SwitchLetter(const std::string& param) { return platform::ToUpperAscii(param[1]); }

// "-" always introduces a switch. "/" also begins every absolute path here, so
// it introduces one only in the exact switch forms "/U", "/I", "/I:...",
// "/P" and "/P:..." (any letter case); every other "/..." names a file.
bool IsSwitch(const std::string& param) {
    if (param[0] == '-') return true;
    if (param[0] != '/') return false;
    const char letter = SwitchLetter(param);
    const bool bare = param.size() == 2;
    if (letter == 'U') return bare;
    if (letter == 'I' || letter == 'P') return bare || param[2] == ':';
    return false;
}

// The options switch's text: a leading ":" dropped, "," and ";" separate lines.
std::string CommandOptionsText(std::string text) {
    if (!text.empty() && text.front() == ':') text.erase(0, 1);
    text = platform::ReplaceAll(std::move(text), ",", ";");
    return platform::ReplaceAll(std::move(text), ";", "\r\n");
}

}  // namespace

const TvxApp* TvxProject::App() const { return app_ ? app_ : vxApp; }

std::string TvxProject::ExeName() const { return App() ? App()->ExeName : std::string(); }

TvxInfo* TvxProject::Info() const { return info_ ? info_ : vxInfo; }

void TvxProject::ParseCommandLine() {
    const std::string param = App() ? App()->FirstParam : std::string();
    if (param.size() >= 2 && IsSwitch(param)) {
        switch (SwitchLetter(param)) {
            case 'I':
                if (Info()) Info()->InstallNotice(param.substr(2));
                throw TvxEndProcess{};
            case 'U':
                if (Info()) Info()->UninstallNotice();
                throw TvxEndProcess{};
            case 'P':
                CmdOptions = CommandOptionsText(param.substr(2));
                break;
            default:  // any other switch is ignored
                break;
        }
    } else if (param.size() >= 2) {
        // A project file or a source file; LoadProject decides. A shell here
        // passes names relative to its folder: made absolute, they still
        // name the file in the recent list and as Target's folder.
        ProjectFile = platform::AbsolutePath(param);
    }
    OpenAtStart();
}

void TvxProject::OpenAtStart() {
    if (ProjectFile.empty() && CmdOptions.empty()) ProjectFile = DefaultProjectFile();
    LoadProject(true);
}

bool TvxProject::LoadProject(bool withoutDialog) {
    if (!withoutDialog) {
        if (!chooser_) return false;
        std::string chosen = platform::ReplaceAll(ProjectFile, "?", "*");
        if (!chooser_->ChooseFiles(ProjectFilter + "|" + SourceFilter, chosen, false)) return false;
        ProjectFile = chosen;
    }
    const std::string name = ProjectFile;
    if (IsProjectFile(name)) {
        try {
            SetOptionLines(files_.ReadLines(name));
            AddToRecent();
        } catch (const platform::FileError&) {
            // An unreadable project leaves the options as they were.
        }
    } else if (!CmdOptions.empty()) {
        ProjectFile.clear();
        SetOptionLines(platform::SplitLines(CmdOptions));
        FillTargetFrom(GetSource());
    } else if (!name.empty()) {
        ProjectFile.clear();
        SetOption("Source", name);
        FillTargetFrom(name);
    }
    ApplyOptions();
    return true;
}

void TvxProject::FillTargetFrom(const std::string& sourcePath) {
    if (FillTargetFromSource && GetTarget().empty())
        SetOption("Target", platform::ExtractFilePath(sourcePath));
}

void TvxProject::NewProject() {
    ProjectFile.clear();
    SetOptionLines({});
    ApplyOptions();
}

void TvxProject::WriteProject(bool toFile) {
    CollectOptions();
    if (!toFile) return;
    // The configuration folder of the default project may not exist yet.
    if (!ProjectFile.empty() && ProjectFile == DefaultProjectFile())
        files_.ForceDirectories(platform::ExtractFilePath(ProjectFile));
    files_.WriteLines(ProjectFile, OptionLines());  // failures reach the command that saved
    AddToRecent();
}

bool TvxProject::SaveProject() {
    if (ProjectFile.empty()) return SaveProjectAs();
    WriteProject(true);
    return true;
}

bool TvxProject::SaveProjectAs() {
    if (!chooser_) return false;
    std::string chosen = ProjectFile;
    if (!chooser_->ChooseSaveFile(ProjectFilter, ProjectExt, chosen)) return false;
    ProjectFile = chosen;
    WriteProject(true);
    return true;
}

void TvxProject::AddToRecent() {
    if (ProjectFile.empty()) return;
    for (const auto& entry : Recent)
        if (platform::EqualsNoCase(entry, ProjectFile)) return;
    Recent.insert(Recent.begin(), ProjectFile);
}

// Only the first occurrence of the extension counts, and it must end the name.
bool TvxProject::IsProjectFile(const std::string& path) const {
    if (ProjectExt.empty()) return false;
    const auto pos = path.find(ProjectExt);
    return pos != std::string::npos && pos + ProjectExt.size() == path.size();
}

std::string TvxProject::RecentListFile() const {
    const std::string exe = ExeName();
    if (exe.empty()) return exe;
    const auto folders = platform::ChooseStateFolders(exe, environment_);
    if (folders.BesideProgram) return exe + ".log";
    if (folders.StateFolder.empty()) return {};
    return folders.StateFolder + "/" + platform::ExtractFileName(exe) + ".log";
}

std::string TvxProject::DefaultProjectFile() const {
    const std::string exe = ExeName();
    if (exe.empty()) return exe;
    const auto folders = platform::ChooseStateFolders(exe, environment_);
    if (folders.BesideProgram) return platform::ChangeFileExt(exe, ProjectExt);
    if (folders.ConfigFolder.empty()) return {};
    return folders.ConfigFolder + "/" +
           platform::ChangeFileExt(platform::ExtractFileName(exe), ProjectExt);
}

void TvxProject::LoadRecent() {
    const std::string path = RecentListFile();
    if (path.empty() || !files_.FileExists(path)) return;
    try {
        Recent = files_.ReadLines(path);
    } catch (const platform::FileError&) {
        // Start with an empty recent list.
    }
}

void TvxProject::SaveRecent() const {
    const std::string path = RecentListFile();
    // An empty list where there is none yet: nothing to keep, and no folder
    // is made in the user's home for it.
    if (path.empty() || (Recent.empty() && !files_.FileExists(path))) return;
    try {
        if (!files_.DirectoryExists(platform::ExtractFilePath(path)))
            files_.ForceDirectories(platform::ExtractFilePath(path));
        files_.WriteLines(path, Recent);
    } catch (const std::exception&) {
        // Best effort: a read-only program folder keeps no recent list.
    }
}
