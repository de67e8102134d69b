#pragma once
// The batch project: the option list (name=value lines), the product
// constants, the current project file, the recent list and the window
// controls bound to options. Every getter parses the list afresh.

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/TvxConvertorClass.h"

class QObject;
class TvxPathChooser;
class TvxApp;
class TvxInfo;

namespace platform {
class FileSystem;
class StateEnvironment;
}  // namespace platform

enum class OverwriteMode : int { NewName = 0, Overwrite = 1, Skip = 9 };

class TvxProject {
public:
    TvxProject();
    // The disk, the running program (path and first parameter) and the
    // product links the project works with; nullptr stands for vxApp and
    // vxInfo at the time of use. The references must outlive the project.
    TvxProject(platform::FileSystem& files, const TvxApp* app, TvxInfo* info);
    // The same, deciding where the default project and the recent list live
    // from `environment` instead of the running process's.
    TvxProject(platform::FileSystem& files, const TvxApp* app, TvxInfo* info,
               const platform::StateEnvironment& environment);
    ~TvxProject();
    TvxProject(const TvxProject&) = delete;
    TvxProject& operator=(const TvxProject&) = delete;

    // The project's settings: the bound controls, the option lines, the
    // converter class and the product constants start-up sets.
    std::vector<QObject*> Controls;
    // Converter threads read options while a run goes on, so once a run may
    // have started, replace the list only through SetOptionLines.
    std::vector<std::string> Options;
    TvxConvertorClass ConvertorClass;
    bool FillTargetFromSource = true;
    bool OverwriteDefault = true;
    std::string ProjectExt;
    std::string ProjectFilter;
    std::string ProjectFile;
    std::vector<std::string> Recent;
    std::string CmdOptions;
    std::string ShortName;
    char PathDelim = '/';
    std::string Title;
    std::string SourceFilter;
    std::string FileMask;
    std::string TargetExt;
    std::string AltTargetExt;
    std::string MacroTargetExt;
    std::string Version;

    // Raw option access (first matching key, case-insensitive, no trimming).
    // These and every getter are safe from any thread.
    std::string GetOption(const std::string& key) const;
    void SetOption(const std::string& key, const std::string& value);  // empty deletes
    std::vector<std::string> OptionLines() const;
    void SetOptionLines(std::vector<std::string> lines);

    std::string GetSource() const;
    std::string GetTarget() const;
    std::string GetRenameSource() const;
    bool GetSubdir() const;
    bool GetKeepFileTime() const;
    bool GetDeleteSource() const;
    bool GetMacroEnabled() const;
    bool GetMultiInstance() const;
    bool GetPureConsole() const;
    bool GetKeepTargetSubdirs() const;
    int GetThreadsCount() const;
    int GetDaemon() const;
    bool GetRunAndClose() const;
    OverwriteMode GetIsOverwrite() const;
    std::string GetTargetFolder() const;

    // Binding of window controls: `control` shows the option `key` in its
    // property `property`. The key is given, never derived from the
    // control's name, so renaming a widget keeps its saved option. A key
    // bound twice throws std::logic_error.
    void RegisterControl(QObject* control, const std::string& key, const std::string& property);
    // The option keys of the bound controls, one per control.
    std::vector<std::string> BoundKeys() const;
    void ApplyOptions();
    void CollectOptions();
    // The option lines as CollectOptions would leave them; the list itself
    // is not changed.
    std::vector<std::string> CollectedOptionLines();
    void DetachControls();

    // Command line and project files.
    void ParseCommandLine();
    void OpenAtStart();
    // LoadProject is false only when its dialog was cancelled; SaveProject
    // and SaveProjectAs are false when no file was written (dialog
    // cancelled). A file that cannot be written throws platform::FileError.
    bool LoadProject(bool withoutDialog);
    void NewProject();
    void WriteProject(bool toFile);
    bool SaveProject();
    bool SaveProjectAs();
    void AddToRecent();
    bool IsProjectFile(const std::string& path) const;
    // Beside a program whose folder may be written: the executable's path
    // with ".log" appended, and with its extension replaced by ProjectExt.
    // Otherwise named after the program in the state and configuration
    // folders (platform/files/StateFolders.h); empty when such a file is not kept.
    std::string RecentListFile() const;
    std::string DefaultProjectFile() const;

    // The open and save dialogs of LoadProject and SaveProjectAs; without a
    // chooser they behave as if the user cancelled. Not owned.
    void SetPathChooser(TvxPathChooser* chooser);

private:
    struct Binding;

    const TvxApp* App() const;
    std::string ExeName() const;
    TvxInfo* Info() const;
    void FillTargetFrom(const std::string& sourcePath);
    void LoadRecent();
    void SaveRecent() const;

    platform::FileSystem& files_;
    const TvxApp* app_;
    TvxInfo* info_;
    const platform::StateEnvironment& environment_;
    TvxPathChooser* chooser_ = nullptr;
    std::unique_ptr<Binding> binding_;
    mutable std::mutex optionsLock_;
};

extern TvxProject* vxProject;
