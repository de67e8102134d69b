#include "platform/files/FileSystem.h"

#include <filesystem>

#include "platform/files/TextFile.h"

namespace fs = std::filesystem;

namespace platform {

bool LocalFileSystem::FileExists(const std::string& path) const {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    return !ec && fs::exists(status) && !fs::is_directory(status);
}

bool LocalFileSystem::DirectoryExists(const std::string& path) const {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

bool LocalFileSystem::ForceDirectories(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    fs::create_directories(path, ec);
    return DirectoryExists(path);
}

std::vector<std::string> LocalFileSystem::ReadLines(const std::string& path) const {
    return ReadTextLines(path);
}

void LocalFileSystem::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    WriteTextLines(path, lines);
}

FileSystem& LocalFiles() {
    static LocalFileSystem disk;
    return disk;
}

}  // namespace platform
