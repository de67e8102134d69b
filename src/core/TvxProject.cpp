// The option list, its typed getters and the binding of window controls.
// Loading, saving and the command line are in TvxProjectFiles.cpp.

#include "core/TvxProject.h"

#include <QObject>
#include <QVariant>
#include <algorithm>
#include <map>
#include <stdexcept>

#include "core/OptionList.h"
#include "core/OptionParsers.h"
#include "core/TvxPropList.h"
#include "platform/files/FileSystem.h"
#include "platform/files/StateFolders.h"
#include "platform/text/AsciiText.h"

TvxProject* vxProject = nullptr;

// The accessors of bound controls (a control with an accessor has a positive
// tag) and the watches that forget a control when it is destroyed.
struct TvxProject::Binding {
    struct Option {
        std::string key, property;
    };
    std::map<QObject*, std::unique_ptr<TvxPropList>> accessors;
    std::map<QObject*, Option> options;
    std::vector<QMetaObject::Connection> watches;

    TvxPropList& AccessorFor(QObject* control) {
        auto& accessor = accessors[control];
        if (!accessor) accessor = std::make_unique<TvxPropList>(control);
        return *accessor;
    }
};

namespace {

bool Boolean(const std::string& value, bool fallback) {
    return options::ParseBoolean(value).value_or(fallback);
}

int Integer(const std::string& value, int fallback) {
    return options::ParseInteger(value).value_or(fallback);
}

}  // namespace

TvxProject::TvxProject() : TvxProject(platform::LocalFiles(), nullptr, nullptr) {}

TvxProject::TvxProject(platform::FileSystem& files, const TvxApp* app, TvxInfo* info)
    : TvxProject(files, app, info, platform::CurrentStateEnvironment()) {}

TvxProject::TvxProject(platform::FileSystem& files, const TvxApp* app, TvxInfo* info,
                       const platform::StateEnvironment& environment)
    : files_(files),
      app_(app),
      info_(info),
      environment_(environment),
      binding_(std::make_unique<Binding>()) {
    LoadRecent();
}

TvxProject::~TvxProject() {
    DetachControls();
    for (const auto& watch : binding_->watches) QObject::disconnect(watch);
    SaveRecent();
}

std::string TvxProject::GetOption(const std::string& key) const {
    std::lock_guard lock(optionsLock_);
    return options::Read(Options, key);
}

void TvxProject::SetOption(const std::string& key, const std::string& value) {
    std::lock_guard lock(optionsLock_);
    options::Write(Options, key, value);
}

std::vector<std::string> TvxProject::OptionLines() const {
    std::lock_guard lock(optionsLock_);
    return Options;
}

void TvxProject::SetOptionLines(std::vector<std::string> lines) {
    std::lock_guard lock(optionsLock_);
    Options = std::move(lines);
}

std::string TvxProject::GetSource() const { return GetOption("Source"); }
std::string TvxProject::GetTarget() const { return GetOption("Target"); }
std::string TvxProject::GetRenameSource() const { return GetOption("RenameSource"); }
bool TvxProject::GetSubdir() const { return Boolean(GetOption("Subdir"), false); }
bool TvxProject::GetKeepFileTime() const { return Boolean(GetOption("KeepFileTime"), false); }
bool TvxProject::GetDeleteSource() const { return Boolean(GetOption("DeleteSource"), false); }
bool TvxProject::GetMacroEnabled() const { return Boolean(GetOption("MacroEnabled"), false); }
bool TvxProject::GetMultiInstance() const { return Boolean(GetOption("MultiInstance"), false); }
bool TvxProject::GetPureConsole() const { return Boolean(GetOption("PureConsole"), false); }
bool TvxProject::GetKeepTargetSubdirs() const {
    return Boolean(GetOption("KeepTargetSubdirs"), true);
}
int TvxProject::GetThreadsCount() const { return Integer(GetOption("ThreadsCount"), 1); }
int TvxProject::GetDaemon() const { return Integer(GetOption("Daemon"), 0); }

bool TvxProject::GetRunAndClose() const {
    if (Boolean(GetOption("RunAndClose"), false)) return true;
    if (GetPureConsole()) return true;
    return GetDaemon() > 0;
}

OverwriteMode TvxProject::GetIsOverwrite() const {
    const std::string value = GetOption("IsOverwrite");
    if (platform::EqualsNoCase(value, "skip")) return OverwriteMode::Skip;
    return Boolean(value, OverwriteDefault) ? OverwriteMode::Overwrite : OverwriteMode::NewName;
}

// An empty Target yields the empty text: appending the delimiter would turn
// "no target" into the file system's root. A "file:" address (what a "file:"
// source leaves in Target) is no folder name until the batch has normalised
// it, and the batch creates it then; taken as a name it would create a
// folder called "file:" in the current one.
std::string TvxProject::GetTargetFolder() const {
    std::string folder = GetTarget();
    if (folder.empty()) return folder;
    if (folder.rfind("file:", 0) != 0 && !files_.DirectoryExists(folder))
        files_.ForceDirectories(folder);
    if (folder.back() != PathDelim) folder += PathDelim;
    return folder;
}

void TvxProject::RegisterControl(QObject* control, const std::string& key,
                                 const std::string& property) {
    if (!control) return;
    for (const auto& [other, option] : binding_->options)
        if (platform::EqualsNoCase(option.key, key))
            throw std::logic_error("The option " + key + " has a control already");
    binding_->options[control] = {key, property};
    Controls.push_back(control);
    // Controls are not owned: forget one when it goes, so no pointer dangles.
    binding_->watches.push_back(
        QObject::connect(control, &QObject::destroyed, [this](QObject* gone) {
            Controls.erase(std::remove(Controls.begin(), Controls.end(), gone), Controls.end());
            binding_->accessors.erase(gone);
            binding_->options.erase(gone);
        }));
}

std::vector<std::string> TvxProject::BoundKeys() const {
    std::vector<std::string> keys;
    for (QObject* control : Controls) keys.push_back(binding_->options.at(control).key);
    return keys;
}

void TvxProject::ApplyOptions() {
    for (QObject* control : Controls) {
        TvxPropList& accessor = binding_->AccessorFor(control);
        const auto& [key, hint] = binding_->options.at(control);
        std::string value = GetOption(key);
        if (value.empty()) {
            // The form older project files wrote, "eSource.Text" (the
            // control's name and property), is taken over once.
            const std::string olderKey = control->objectName().toStdString() + "." + hint;
            value = GetOption(olderKey);
            SetOption(olderKey, "");
        }
        accessor.SetPropText(hint, value);
    }
}

void TvxProject::CollectOptions() {
    for (QObject* control : Controls) {
        TvxPropList& accessor = binding_->AccessorFor(control);
        const auto& [key, hint] = binding_->options.at(control);
        SetOption(key, accessor.GetPropText(hint));
    }
}

std::vector<std::string> TvxProject::CollectedOptionLines() {
    std::vector<std::string> lines = OptionLines();
    for (QObject* control : Controls) {
        TvxPropList& accessor = binding_->AccessorFor(control);
        const auto& [key, hint] = binding_->options.at(control);
        options::Write(lines, key, accessor.GetPropText(hint));
    }
    return lines;
}

void TvxProject::DetachControls() { binding_->accessors.clear(); }

void TvxProject::SetPathChooser(TvxPathChooser* chooser) { chooser_ = chooser; }
