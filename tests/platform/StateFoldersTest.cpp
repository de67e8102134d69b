// Where the default project and the recent list go: beside a program whose
// folder may be written, else the XDG folders, else nowhere.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "ScratchFolder.h"
#include "platform/files/StateFolders.h"

namespace {

class ScriptedEnvironment : public platform::StateEnvironment {
public:
    std::map<std::string, std::string> variables;
    std::set<std::string> folders;
    std::set<std::string> writable;

    std::optional<std::string> Variable(const std::string& name) const override {
        const auto found = variables.find(name);
        if (found == variables.end()) return std::nullopt;
        return found->second;
    }
    bool IsFolder(const std::string& path) const override { return folders.count(path) > 0; }
    bool CanWriteIn(const std::string& folder) const override { return writable.count(folder) > 0; }
};

// An installed program in /usr/bin, which its user may not write, and a
// user whose home exists.
ScriptedEnvironment InstalledForUser() {
    ScriptedEnvironment environment;
    environment.folders = {"/usr/bin/", "/home/ann"};
    environment.variables["HOME"] = "/home/ann";
    return environment;
}

const std::string Installed = "/usr/bin/pellin";

}  // namespace

TEST(StateFolders, WritableProgramFolderKeepsTheStateBesideTheProgram) {
    ScriptedEnvironment environment = InstalledForUser();
    environment.writable = {"/opt/portable/"};
    environment.variables["XDG_CONFIG_HOME"] = "/cfg";
    const auto folders = platform::ChooseStateFolders("/opt/portable/pellin", environment);
    EXPECT_TRUE(folders.BesideProgram);
    EXPECT_EQ(folders.ConfigFolder, "");
    EXPECT_EQ(folders.StateFolder, "");
}

TEST(StateFolders, InstalledCopyNeverWritesAmongTheInstalledPrograms) {
    // Root may write /usr/bin; the private folder marks the copy as installed.
    ScriptedEnvironment environment = InstalledForUser();
    environment.writable = {"/usr/bin/"};
    environment.folders.insert("/usr/lib/pellin/");
    const auto folders = platform::ChooseStateFolders(Installed, environment);
    EXPECT_FALSE(folders.BesideProgram);
    EXPECT_EQ(folders.ConfigFolder, "/home/ann/.config/pellin");
}

TEST(StateFolders, ReadOnlyProgramFolderUsesTheXdgVariables) {
    ScriptedEnvironment environment = InstalledForUser();
    environment.variables["XDG_CONFIG_HOME"] = "/cfg/";
    environment.variables["XDG_STATE_HOME"] = "/var/state//";
    const auto folders = platform::ChooseStateFolders(Installed, environment);
    EXPECT_FALSE(folders.BesideProgram);
    EXPECT_EQ(folders.ConfigFolder, "/cfg/pellin");
    EXPECT_EQ(folders.StateFolder, "/var/state/pellin");
}

TEST(StateFolders, UnsetEmptyOrRelativeXdgVariablesFallBackBelowHome) {
    for (const char* value : {"", "relative/cfg", "~/cfg"}) {
        ScriptedEnvironment environment = InstalledForUser();
        if (*value) environment.variables["XDG_CONFIG_HOME"] = value;
        environment.variables["XDG_STATE_HOME"] = value;
        const auto folders = platform::ChooseStateFolders(Installed, environment);
        EXPECT_EQ(folders.ConfigFolder, "/home/ann/.config/pellin") << value;
        EXPECT_EQ(folders.StateFolder, "/home/ann/.local/state/pellin") << value;
    }
}

TEST(StateFolders, UnusableHomeKeepsNothingUnlessAnXdgVariableSaysWhere) {
    // Unset, empty, relative, and a home that does not exist (user nobody).
    for (const char* home : {"-", "", "home/ann", "/nonexistent"}) {
        ScriptedEnvironment environment = InstalledForUser();
        if (std::string(home) == "-")
            environment.variables.erase("HOME");
        else
            environment.variables["HOME"] = home;
        auto folders = platform::ChooseStateFolders(Installed, environment);
        EXPECT_FALSE(folders.BesideProgram) << home;
        EXPECT_EQ(folders.ConfigFolder, "") << home;
        EXPECT_EQ(folders.StateFolder, "") << home;

        environment.variables["XDG_STATE_HOME"] = "/run/state";
        folders = platform::ChooseStateFolders(Installed, environment);
        EXPECT_EQ(folders.ConfigFolder, "") << home;
        EXPECT_EQ(folders.StateFolder, "/run/state/pellin") << home;
    }
}

TEST(StateFolders, RootHomeGivesNoDoubleDelimiter) {
    ScriptedEnvironment environment;
    environment.folders = {"/"};
    environment.variables["HOME"] = "/";
    const auto folders = platform::ChooseStateFolders(Installed, environment);
    EXPECT_EQ(folders.ConfigFolder, "/.config/pellin");
    EXPECT_EQ(folders.StateFolder, "/.local/state/pellin");
}

TEST(StateFolders, ProcessEnvironmentReadsTheRealFolderAndVariables) {
    const platform::StateEnvironment& environment = platform::CurrentStateEnvironment();
    const testsupport::ScratchFolder scratch("state");
    const auto& folder = scratch.Path();
    EXPECT_TRUE(environment.IsFolder(folder.string()));
    EXPECT_TRUE(environment.CanWriteIn(folder.string()));
    EXPECT_FALSE(environment.CanWriteIn((folder / "missing").string()));
    EXPECT_FALSE(environment.IsFolder((folder / "missing").string()));

    ::setenv("PELLIN_STATE_TEST", "", 1);
    EXPECT_EQ(environment.Variable("PELLIN_STATE_TEST"), std::optional<std::string>(""));
    ::unsetenv("PELLIN_STATE_TEST");
    EXPECT_EQ(environment.Variable("PELLIN_STATE_TEST"), std::nullopt);
}
