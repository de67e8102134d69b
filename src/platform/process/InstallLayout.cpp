#include "platform/process/InstallLayout.h"

#include <filesystem>

#include "platform/files/FileSystem.h"
#include "platform/text/PathText.h"

// The same folders the install rules use (cmake/PellinInstall.cmake), relative
// to the installation prefix.
#ifndef PELLIN_PRIVATE_DIR
#define PELLIN_PRIVATE_DIR "lib/pellin"
#endif
#ifndef PELLIN_DATA_DIR
#define PELLIN_DATA_DIR "share/pellin"
#endif

namespace platform {

namespace {

// <folder of the program>/../<below prefix>/, with "." and ".." resolved as text.
std::string BesidePrefix(const std::string& exeName, const char* belowPrefix) {
    const std::string programFolder = ExtractFilePath(exeName);
    if (programFolder.empty()) return {};
    const auto folder =
        (std::filesystem::path(programFolder) / ".." / belowPrefix).lexically_normal();
    return IncludeTrailingPathDelimiter(folder.string());
}

std::string FirstExisting(const std::string& exeName, const std::string& name,
                          const std::string& otherFolder, const FileSystem& files) {
    const std::string beside = ExtractFilePath(exeName) + name;
    if (files.FileExists(beside)) return beside;
    if (!otherFolder.empty() && files.FileExists(otherFolder + name)) return otherFolder + name;
    return {};
}

}  // namespace

std::string PrivateProgramFolder(const std::string& exeName) {
    return BesidePrefix(exeName, PELLIN_PRIVATE_DIR);
}

std::string SharedDataFolder(const std::string& exeName) {
    return BesidePrefix(exeName, PELLIN_DATA_DIR);
}

std::string FindHelperProgram(const std::string& exeName, const std::string& name,
                              const FileSystem& files) {
    const std::string found = FirstExisting(exeName, name, PrivateProgramFolder(exeName), files);
    return found.empty() ? ExtractFilePath(exeName) + name : found;
}

std::string FindInstalledDocument(const std::string& exeName, const std::string& name,
                                  const FileSystem& files) {
    return FirstExisting(exeName, name, SharedDataFolder(exeName), files);
}

}  // namespace platform
