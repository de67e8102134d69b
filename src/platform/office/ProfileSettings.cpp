#include "platform/office/ProfileSettings.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/files/FileWrite.h"

namespace platform::office {

namespace fs = std::filesystem;

std::vector<ProfileSetting> ConverterProfileSettings(const std::string& officeVersion) {
    std::vector<ProfileSetting> settings{
        {"/org.openoffice.Office.Common/Misc", "UseLocking", "xs:boolean", "false"},
        {"/org.openoffice.Office.Common/Misc", "UseDocumentOOoLockFile", "xs:boolean", "false"},
        {"/org.openoffice.Office.Common/Misc", "UseDocumentSystemFileLocking", "xs:boolean",
         "false"},
        {"/org.openoffice.Office.Common/Save/Document", "CreateBackup", "xs:boolean", "false"},
        {"/org.openoffice.Office.Recovery/AutoSave", "Enabled", "xs:boolean", "false"},
        {"/org.openoffice.Office.Recovery/RecoveryInfo", "Enabled", "xs:boolean", "false"},
        {"/org.openoffice.Office.Common/Security/Scripting", "MacroSecurityLevel", "xs:int", "3"},
        {"/org.openoffice.Office.Common/Security/Scripting", "DisableMacrosExecution", "xs:boolean",
         "true"},
        {"/org.openoffice.Office.Common/Security/Scripting", "BlockUntrustedRefererLinks",
         "xs:boolean", "true"},
        {"/org.openoffice.Office.Linguistic/SpellChecking", "IsSpellAuto", "xs:boolean", "false"},
        {"/org.openoffice.Office.Writer/AutoFunction/Completion", "Enable", "xs:boolean", "false"},
    };
    if (!officeVersion.empty())
        settings.push_back(
            {"/org.openoffice.Setup/Product", "ooSetupLastVersion", "xs:string", officeVersion});
    return settings;
}

namespace {

constexpr const char* kHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<oor:items xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    "xmlns:oor=\"http://openoffice.org/2001/registry\">\n";
constexpr const char* kTail = "</oor:items>";

std::string itemOf(const ProfileSetting& setting) {
    return "<item oor:path=\"" + setting.path + "\"><prop oor:name=\"" + setting.name +
           "\" oor:op=\"fuse\"><value>" + setting.value + "</value></prop></item>";
}

bool isSettingLine(const std::string& line, const ProfileSetting& setting) {
    return line.find("oor:path=\"" + setting.path + "\"") != std::string::npos &&
           line.find("oor:name=\"" + setting.name + "\"") != std::string::npos;
}

// The office writes one item per line between its head and tail.
std::vector<std::string> itemLines(const fs::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("<item ", 0) == 0) lines.push_back(line);
    return lines;
}

}  // namespace

void WriteProfileSettings(const fs::path& profile, const std::vector<ProfileSetting>& settings) {
    const fs::path file = profile / "user" / "registrymodifications.xcu";
    std::vector<std::string> kept;
    for (const std::string& line : itemLines(file)) {
        bool replaced = false;
        for (const auto& setting : settings) replaced = replaced || isSettingLine(line, setting);
        if (!replaced) kept.push_back(line);
    }
    fs::create_directories(file.parent_path());
    std::string text = kHead;
    for (const std::string& line : kept) text += line + '\n';
    for (const auto& setting : settings) text += itemOf(setting) + '\n';
    text += std::string(kTail) + '\n';
    WriteFileBytes(file.string(), text, file.string());
}

}  // namespace platform::office
