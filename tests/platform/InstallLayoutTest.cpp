// The program's companions in a build tree (beside it) and in an installed
// tree (<prefix>/lib/pellin, <prefix>/share/pellin), laid out in a temporary
// folder.

#include <gtest/gtest.h>

#include <filesystem>

#include "ScratchFolder.h"
#include "platform/files/FileSystem.h"
#include "platform/process/InstallLayout.h"

namespace fs = std::filesystem;

namespace {

class InstalledTree : public ::testing::Test {
protected:
    std::string Touch(const std::string& relative) { return prefix.Write(relative, "x").string(); }
    std::string Find(const std::string& name) {
        return platform::FindHelperProgram(exe, name, platform::LocalFiles());
    }

    testsupport::ScratchFolder prefix{"layout"};
    const std::string exe = Touch("bin/pellin");
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
    EXPECT_EQ(Find("pellin-hh"), prefix / "bin/pellin-hh");

    const std::string installed = Touch("lib/pellin/pellin-hh");
    EXPECT_EQ(Find("pellin-hh"), installed);
    // A folder of the helper's name is no program.
    fs::create_directories(prefix / "bin/pellin-hh");
    EXPECT_EQ(Find("pellin-hh"), installed);

    fs::remove(prefix / "bin/pellin-hh");
    const std::string beside = Touch("bin/pellin-hh");
    EXPECT_EQ(Find("pellin-hh"), beside);
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
