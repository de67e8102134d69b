// The program's companions in a build tree (beside it) and in an installed
// tree (<prefix>/lib/pellin, <prefix>/share/pellin), laid out in a temporary
// folder.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/files/FileSystem.h"
#include "platform/process/InstallLayout.h"

namespace fs = std::filesystem;

namespace {

class InstalledTree : public ::testing::Test {
protected:
    void SetUp() override {
        prefix = fs::temp_directory_path() / ("pellin-layout-" + std::to_string(::getpid()));
        fs::remove_all(prefix);
        fs::create_directories(prefix / "bin");
        exe = (prefix / "bin/pellin").string();
        Touch("bin/pellin");
    }
    void TearDown() override { fs::remove_all(prefix); }
    std::string Touch(const std::string& relative) {
        const fs::path path = prefix / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "x";
        return path.string();
    }
    std::string Find(const std::string& name) {
        return platform::FindHelperProgram(exe, name, platform::LocalFiles());
    }

    fs::path prefix;
    std::string exe;
};

}  // namespace

TEST_F(InstalledTree, FoldersFollowTheProgramsPrefix) {
    EXPECT_EQ(platform::PrivateProgramFolder("/usr/bin/pellin"), "/usr/lib/pellin/");
    EXPECT_EQ(platform::SharedDataFolder("/usr/bin/pellin"), "/usr/share/pellin/");
    EXPECT_EQ(platform::PrivateProgramFolder("/opt/p/bin/pellin"), "/opt/p/lib/pellin/");
    EXPECT_EQ(platform::PrivateProgramFolder("pellin"), "");
    EXPECT_EQ(platform::SharedDataFolder(""), "");
}

TEST_F(InstalledTree, DecompilerBesideTheProgramComesFirstThenThePrivateFolder) {
    // Neither: the name beside the program, so starting it fails by that name.
    EXPECT_EQ(Find("pellin-hh"), (prefix / "bin/pellin-hh").string());

    const std::string installed = Touch("lib/pellin/pellin-hh");
    EXPECT_EQ(Find("pellin-hh"), installed);

    const std::string beside = Touch("bin/pellin-hh");
    EXPECT_EQ(Find("pellin-hh"), beside);
}

TEST_F(InstalledTree, AFolderOfTheHelpersNameIsNoProgram) {
    fs::create_directories(prefix / "bin/pellin-hh");
    const std::string installed = Touch("lib/pellin/pellin-hh");
    EXPECT_EQ(Find("pellin-hh"), installed);
}

TEST_F(InstalledTree, DocumentsBesideTheProgramComeFirstThenTheDataFolder) {
    const auto find = [this](const std::string& name) {
        return platform::FindInstalledDocument(exe, name, platform::LocalFiles());
    };
    EXPECT_EQ(find("pellin.pdf"), "");
    const std::string installed = Touch("share/pellin/pellin.pdf");
    EXPECT_EQ(find("pellin.pdf"), installed);
    const std::string beside = Touch("bin/pellin.pdf");
    EXPECT_EQ(find("pellin.pdf"), beside);
    EXPECT_EQ(find("pellin.chm"), "");
}
