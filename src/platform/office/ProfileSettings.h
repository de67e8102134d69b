#pragma once
// The settings every converting office starts with, written into its profile
// before it starts. They switch off what costs time on big documents (online
// spelling, word completion), what writes beside the files it reads (lock
// files, backups, recovery data) and what could run code from a help file
// (macros).

#include <filesystem>
#include <string>
#include <vector>

namespace platform::office {

struct ProfileSetting {
    std::string path;  // the configuration node, e.g. "/org.openoffice.Office.Common/Misc"
    std::string name;
    std::string type;  // "xs:boolean", "xs:int"
    std::string value;
};

const std::vector<ProfileSetting>& ConverterProfileSettings();

// Sets the settings in <profile>/user/registrymodifications.xcu, keeping the
// file's other entries and replacing older values of the same settings.
void WriteProfileSettings(const std::filesystem::path& profile,
                          const std::vector<ProfileSetting>& settings);

}  // namespace platform::office
