#pragma once
// The settings every converting office starts with, written into its profile
// before it starts. They switch off what costs time on big documents (online
// spelling, word completion), what writes beside the files it reads (lock
// files, backups, recovery data) and what could run code from a help file
// (macros). Given the office's version, the profile also records it as the
// version last started: an office that finds no such record runs a suite of
// drawing tests at every start, more than a second of processor time, and
// without a window it never writes the record itself.

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

std::vector<ProfileSetting> ConverterProfileSettings(const std::string& officeVersion = {});

// Sets the settings in <profile>/user/registrymodifications.xcu, keeping the
// file's other entries and replacing older values of the same settings.
void WriteProfileSettings(const std::filesystem::path& profile,
                          const std::vector<ProfileSetting>& settings);

}  // namespace platform::office
