#include "platform/files/StateFolders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/process/InstallLayout.h"
#include "platform/text/PathText.h"

namespace platform {

namespace {

bool IsAbsolute(const std::optional<std::string>& path) {
    return path && !path->empty() && path->front() == '/';
}

std::string WithoutTrailingDelimiters(std::string path) {
    while (path.size() > 1 && path.back() == PathDelim) path.pop_back();
    return path;
}

// $<variable>/pellin, else $HOME/<fallback>/pellin, else empty.
std::string XdgFolder(const StateEnvironment& environment, const char* variable,
                      const char* fallbackBelowHome) {
    const auto base = environment.Variable(variable);
    if (IsAbsolute(base)) return WithoutTrailingDelimiters(*base) + "/" + StateFolderName;
    const auto home = environment.Variable("HOME");
    if (!IsAbsolute(home) || !environment.IsFolder(*home)) return {};
    const std::string root = WithoutTrailingDelimiters(*home);
    return (root == "/" ? std::string() : root) + "/" + fallbackBelowHome + "/" + StateFolderName;
}

}  // namespace

std::optional<std::string> ProcessStateEnvironment::Variable(const std::string& name) const {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

bool ProcessStateEnvironment::IsFolder(const std::string& path) const {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool ProcessStateEnvironment::CanWriteIn(const std::string& folder) const {
    return IsFolder(folder) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

const StateEnvironment& CurrentStateEnvironment() {
    static const ProcessStateEnvironment environment;
    return environment;
}

StateFolders ChooseStateFolders(const std::string& exeName, const StateEnvironment& environment) {
    StateFolders folders;
    const std::string programFolder = ExtractFilePath(exeName);
    // An installed copy has its private folder; root may write /usr/bin, but
    // files of the user's have no place among the installed programs.
    const bool installed = environment.IsFolder(PrivateProgramFolder(exeName));
    if (!programFolder.empty() && !installed && environment.CanWriteIn(programFolder)) {
        folders.BesideProgram = true;
        return folders;
    }
    folders.ConfigFolder = XdgFolder(environment, "XDG_CONFIG_HOME", ".config");
    folders.StateFolder = XdgFolder(environment, "XDG_STATE_HOME", ".local/state");
    return folders;
}

}  // namespace platform
