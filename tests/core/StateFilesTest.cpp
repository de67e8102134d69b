// Where the project keeps its default project and recent list when the
// program's folder may not be written: the XDG folders, or nowhere.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "CoreTestSupport.h"
#include "platform/files/StateFolders.h"

using coretest::Bytes;
using coretest::WriteBytes;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

// The real disk, but the program's folder counts as read-only and the
// variables come from the test.
class ReadOnlyProgramFolder : public platform::StateEnvironment {
public:
    std::map<std::string, std::string> variables;
    std::optional<std::string> Variable(const std::string& name) const override {
        const auto found = variables.find(name);
        if (found == variables.end()) return std::nullopt;
        return found->second;
    }
    bool IsFolder(const std::string& path) const override { return fs::is_directory(path); }
    bool CanWriteIn(const std::string&) const override { return false; }
};

class InstalledProgram : public ::testing::Test {
protected:
    InstalledProgram() : app(folder / "bin/pellin", ""), info(shell, app.ExeName) {
        fs::create_directories(folder / "home");
        environment.variables["HOME"] = folder / "home";
    }
    std::unique_ptr<TvxProject> MakeProject() {
        auto project =
            std::make_unique<TvxProject>(platform::LocalFiles(), &app, &info, environment);
        ApplyProductConstants(*project);
        return project;
    }

    coretest::TempFolder folder;
    testsupport::RecordingShellLauncher shell;
    TvxApp app;
    TvxInfo info;
    ReadOnlyProgramFolder environment;
};

}  // namespace

TEST_F(InstalledProgram, StateGoesBelowHomeWithoutXdgVariablesAndNoListMakesNoFolder) {
    auto project = MakeProject();
    EXPECT_EQ(project->DefaultProjectFile(), folder / "home/.config/pellin/pellin.batch-pellin");
    EXPECT_EQ(project->RecentListFile(), folder / "home/.local/state/pellin/pellin.log");
    project.reset();  // an empty recent list
    EXPECT_FALSE(fs::exists(folder / "home/.local"));
}

TEST_F(InstalledProgram, RecentListIsKeptInTheStateFolderMadeOnDemand) {
    environment.variables["XDG_STATE_HOME"] = folder / "state";
    auto project = MakeProject();
    project->Recent = {"/p/a.batch-pellin"};
    project.reset();
    EXPECT_EQ(Bytes(folder / "state/pellin/pellin.log"), "/p/a.batch-pellin\r\n");
    EXPECT_FALSE(fs::exists(folder / "bin/pellin.log"));
    EXPECT_EQ(MakeProject()->Recent, Lines{"/p/a.batch-pellin"});
}

TEST_F(InstalledProgram, DefaultProjectIsReadAndSavedInTheConfigurationFolder) {
    environment.variables["XDG_CONFIG_HOME"] = folder / "cfg";
    auto project = MakeProject();
    project->ParseCommandLine();
    EXPECT_EQ(project->ProjectFile, folder / "cfg/pellin/pellin.batch-pellin");
    project->SetOption("ThreadsCount", "3");
    project->SaveProject();  // the folder does not exist yet
    EXPECT_EQ(Bytes(folder / "cfg/pellin/pellin.batch-pellin"), "ThreadsCount=3\r\n");

    auto again = MakeProject();
    again->ParseCommandLine();
    EXPECT_EQ(again->GetThreadsCount(), 3);

    // Saving a named project creates no missing folder.
    again->ProjectFile = folder / "missing/p.batch-pellin";
    EXPECT_ANY_THROW(again->SaveProject());
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

TEST_F(InstalledProgram, UnusableHomeRunsWithoutKeepingState) {
    environment.variables["HOME"] = "/nonexistent-pellin-home";
    auto project = MakeProject();
    EXPECT_EQ(project->DefaultProjectFile(), "");
    EXPECT_EQ(project->RecentListFile(), "");
    project->ParseCommandLine();
    EXPECT_EQ(project->ProjectFile, "");
    EXPECT_TRUE(project->Options.empty());

    // A project named on the command line still loads and is remembered for
    // this run; the end writes nothing anywhere.
    const std::string named = folder / "run.batch-pellin";
    WriteBytes(named, "Source=/docs/*.chm\r\n");
    app.FirstParam = named;
    project = MakeProject();
    project->ParseCommandLine();
    EXPECT_EQ(project->GetSource(), "/docs/*.chm");
    EXPECT_EQ(project->Recent, Lines{named});
    EXPECT_NO_THROW(project.reset());
    EXPECT_FALSE(fs::exists("/nonexistent-pellin-home"));
    EXPECT_FALSE(fs::exists(folder / "bin/pellin.log"));
}
