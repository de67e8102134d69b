#pragma once
// The file operations the project and its start-up need, behind one
// interface so tests can replace the disk.

#include <string>
#include <vector>

namespace platform {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool FileExists(const std::string& path) const = 0;
    virtual bool DirectoryExists(const std::string& path) const = 0;
    // Creates the folder and every missing parent; true when it exists afterwards.
    virtual bool ForceDirectories(const std::string& path) = 0;
    // Text files with the line rules of TextFile.h; both throw FileError.
    virtual std::vector<std::string> ReadLines(const std::string& path) const = 0;
    virtual void WriteLines(const std::string& path, const std::vector<std::string>& lines) = 0;
};

class LocalFileSystem final : public FileSystem {
public:
    bool FileExists(const std::string& path) const override;
    bool DirectoryExists(const std::string& path) const override;
    bool ForceDirectories(const std::string& path) override;
    std::vector<std::string> ReadLines(const std::string& path) const override;
    void WriteLines(const std::string& path, const std::vector<std::string>& lines) override;
};

// The process-wide disk; stateless, so safe from every thread.
FileSystem& LocalFiles();

}  // namespace platform
