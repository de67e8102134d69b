#pragma once
// A project in a private temporary folder: the executable lives at
// <folder>/bin/pellin, the shell is recorded, the dialogs are scripted.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <string>

#include "RecordingShellLauncher.h"
#include "ScratchFolder.h"
#include "core/TvxApp.h"
#include "core/TvxInfo.h"
#include "core/TvxPathChooser.h"
#include "core/TvxProduct.h"
#include "core/TvxProject.h"
#include "platform/files/FileSystem.h"

namespace coretest {

namespace fs = std::filesystem;

// A scratch folder with the bin folder the program's path lies in.
class TempFolder : public testsupport::ScratchFolder {
public:
    TempFolder() : ScratchFolder("core") { fs::create_directories(Path() / "bin"); }
};

inline std::string Bytes(const fs::path& path) { return testsupport::ReadBytes(path); }
using testsupport::WriteBytes;

// Answers the dialogs from a script; an empty script is a cancel.
class ScriptedChooser : public TvxPathChooser {
public:
    std::deque<std::string> answers;
    std::string lastFilter, lastName, lastDefaultExt;
    int calls = 0;

    std::string BrowseForFolder(const std::string& start) override { return start; }
    bool ChooseFiles(const std::string& filter, std::string& name, bool) override {
        return Answer(filter, {}, name);
    }
    bool ChooseSaveFile(const std::string& filter, const std::string& defaultExt,
                        std::string& name) override {
        return Answer(filter, defaultExt, name);
    }

private:
    bool Answer(const std::string& filter, const std::string& defaultExt, std::string& name) {
        ++calls;
        lastFilter = filter;
        lastDefaultExt = defaultExt;
        lastName = name;
        if (answers.empty()) return false;
        name = answers.front();
        answers.pop_front();
        return true;
    }
};

// The running program with a given first parameter, and a project made the
// way start-up makes it.
class Harness {
public:
    explicit Harness(const std::string& firstParam = {})
        : app(folder / "bin/pellin", firstParam), info(shell, app.ExeName) {
        MakeProject();
    }
    void MakeProject() {
        project = std::make_unique<TvxProject>(platform::LocalFiles(), &app, &info);
        ApplyProductConstants(*project);
        info.SetProject(project.get());
        project->SetPathChooser(&chooser);
    }
    // Ends the project as the process end does (the recent list is written).
    void EndProject() { project.reset(); }

    TempFolder folder;
    testsupport::RecordingShellLauncher shell;
    TvxApp app;
    TvxInfo info;
    ScriptedChooser chooser;
    std::unique_ptr<TvxProject> project;
};

}  // namespace coretest
