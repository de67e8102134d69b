#include "platform/registry/FileRegistry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/files/FileWrite.h"

namespace platform {

namespace {

// Holds an exclusive flock on a file for as long as it lives.
class FileLock {
public:
    explicit FileLock(const std::filesystem::path& path)
        : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (fd_ < 0) throw std::runtime_error("Cannot open registry lock " + path.string());
        while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~FileLock() { ::close(fd_); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_;
};

}  // namespace

FileRegistry::FileRegistry(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path FileRegistry::defaultPath() {
    std::filesystem::path base;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        base = config;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".config";
    else
        base = std::filesystem::temp_directory_path();
    return base / "pellin" / "registry.txt";
}

void FileRegistry::withTree(const std::function<bool(RegistryTree&)>& work) const {
    std::lock_guard guard(mutex_);
    std::filesystem::create_directories(file_.parent_path());
    FileLock lock(file_.string() + ".lock");
    RegistryTree tree = load();
    if (work(tree)) save(tree);
}

RegistryTree FileRegistry::load() const {
    std::ifstream in(file_, std::ios::binary);
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return RegistryTree::fromText(text.str());
}

void FileRegistry::save(const RegistryTree& tree) const {
    // Written beside the file and renamed over it, so that a reader never
    // sees half a file.
    const std::string temp = file_.string() + ".new";
    try {
        WriteFileBytes(temp, tree.toText(), file_.string());
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    if (::rename(temp.c_str(), file_.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        throw CannotWriteFile(file_.string(), error);
    }
}

bool FileRegistry::keyExists(RegistryRoot root, const std::string& key) const {
    bool exists = false;
    withTree([&](RegistryTree& tree) {
        exists = tree.keyExists(root, key);
        return false;
    });
    return exists;
}

void FileRegistry::createKey(RegistryRoot root, const std::string& key) {
    withTree([&](RegistryTree& tree) {
        if (tree.keyExists(root, key)) return false;
        tree.createKey(root, key);
        return true;
    });
}

std::optional<std::string> FileRegistry::readValue(RegistryRoot root, const std::string& key,
                                                   const std::string& name) const {
    std::optional<std::string> value;
    withTree([&](RegistryTree& tree) {
        value = tree.readValue(root, key, name);
        return false;
    });
    return value;
}

void FileRegistry::writeValue(RegistryRoot root, const std::string& key, const std::string& name,
                              const std::string& value) {
    withTree([&](RegistryTree& tree) {
        if (!tree.writeValue(root, key, name, value))
            throw std::runtime_error("Registry key not found: " + key);
        return true;
    });
}

}  // namespace platform
