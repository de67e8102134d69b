// The settings a converting office starts with, merged into its profile.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ScratchFolder.h"
#include "platform/office/OfficeVersion.h"
#include "platform/office/ProfileSettings.h"

namespace fs = std::filesystem;
using platform::office::ProfileSetting;
using platform::office::WriteProfileSettings;
using testsupport::ScratchFolder;

namespace {

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(ProfileSettings, ReplaceTheirOldValuesAndKeepTheOfficesOtherEntries) {
    ScratchFolder folder("settings");
    const std::string other =
        "<item oor:path=\"/org.openoffice.Setup/Office\"><prop oor:name=\"ooSetupInstCompleted\" "
        "oor:op=\"fuse\"><value>true</value></prop></item>";
    const std::string oldSpelling =
        "<item oor:path=\"/org.openoffice.Office.Linguistic/SpellChecking\"><prop "
        "oor:name=\"IsSpellAuto\" oor:op=\"fuse\"><value>true</value></prop></item>";
    folder.Write(
        "profile/user/registrymodifications.xcu",
        "<?xml version=\"1.0\"?>\n<oor:items>\n" + other + "\n" + oldSpelling + "\n</oor:items>\n");
    const std::vector<ProfileSetting> settings{
        {"/org.openoffice.Office.Linguistic/SpellChecking", "IsSpellAuto", "xs:boolean", "false"}};

    WriteProfileSettings(folder.Path() / "profile", settings);
    WriteProfileSettings(folder.Path() / "profile", settings);  // a second start changes nothing

    const std::string written = folder.Read("profile/user/registrymodifications.xcu");
    EXPECT_EQ(1, occurrences(written, other)) << written;
    EXPECT_EQ(1, occurrences(written, "IsSpellAuto")) << written;
    EXPECT_NE(std::string::npos, written.find("<value>false</value>")) << written;
    EXPECT_EQ(std::string::npos, written.find("<value>true</value></prop></item>\n</oor"))
        << written;
    EXPECT_EQ(0u, written.rfind("<?xml", 0));
    EXPECT_NE(std::string::npos, written.find("</oor:items>"));
}

TEST(ProfileSettings, AFreshProfileGetsAFileOfItsOwn) {
    ScratchFolder folder("settings-fresh");
    WriteProfileSettings(folder.Path() / "profile", platform::office::ConverterProfileSettings());
    const std::string written = folder.Read("profile/user/registrymodifications.xcu");
    EXPECT_NE(std::string::npos, written.find("UseDocumentOOoLockFile"));
    EXPECT_NE(std::string::npos, written.find("DisableMacrosExecution"));
    EXPECT_EQ(std::string::npos, written.find("ooSetupLastVersion"));
}

// Without the version it last started, the office runs its drawing tests at
// every start.
TEST(ProfileSettings, TheProfileRecordsTheVersionTheOfficeNamesBesideItsProgram) {
    ScratchFolder folder("settings-version");
    folder.Write("office/program/soffice", "");
    folder.Write("office/program/bootstraprc",
                 "[Bootstrap]\nInstallMode=<installmode>\nProductKey=LibreOffice 7.4\n");
    fs::create_directories(folder.Path() / "bin");
    fs::create_symlink(folder.Path() / "office/program/soffice", folder.Path() / "bin/soffice");
    const auto version = platform::office::OfficeProductVersion(folder.Path() / "bin/soffice");
    ASSERT_EQ(version, "7.4");
    WriteProfileSettings(folder.Path() / "profile",
                         platform::office::ConverterProfileSettings(*version));
    EXPECT_NE(std::string::npos, folder.Read("profile/user/registrymodifications.xcu")
                                     .find("\"ooSetupLastVersion\" oor:op=\"fuse\"><value>7.4<"));

    folder.Write("office/program/bootstraprc", "ProductKey=LibreOffice\n");
    EXPECT_EQ(platform::office::OfficeProductVersion(folder.Path() / "bin/soffice"), std::nullopt);
    EXPECT_EQ(platform::office::OfficeProductVersion(folder.Path() / "none/soffice"), std::nullopt);
}

}  // namespace
