#pragma once
// A fresh folder below the temporary folder for one test, removed with
// everything in it when the test is done. Every test program uses this one.

#include <filesystem>
#include <string>

namespace testsupport {

// The bytes of a file; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& file);
// Replaces a file's bytes.
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);

class ScratchFolder {
public:
    // The folder is named "pellin-<name>-XXXXXX" (made by mkdtemp, so tests
    // running at the same time never share one).
    explicit ScratchFolder(const std::string& name = "test");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The path of an entry below the folder, as text.
    std::string operator/(const std::string& relative) const { return (path_ / relative).string(); }

    // Writes a file below the folder, making the folders on the way, and
    // returns its path.
    std::filesystem::path Write(const std::string& relative, const std::string& bytes) const;
    // The bytes of a file below the folder; empty when it cannot be read.
    std::string Read(const std::string& relative) const;

private:
    std::filesystem::path path_;
};

}  // namespace testsupport
