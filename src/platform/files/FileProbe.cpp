#include "platform/files/FileProbe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

namespace platform {

namespace {

std::string CannotRead(const std::string& path, int error) {
    return "Cannot read " + path + ": " + std::strerror(error);
}

std::string CannotWrite(const std::string& folder, int error) {
    return "Cannot write to " + folder + ": " + std::strerror(error);
}

std::string ProbeName(const std::string& folder) {
    std::random_device seed;
    std::string name = folder;
    if (name.back() != '/') name += '/';
    return name + ".pellin-probe-" + std::to_string(::getpid()) + "-" + std::to_string(seed());
}

// Creates, writes, syncs and removes one small file; the first error wins.
int ProbeWrite(const std::string& folder) {
    const std::string probe = ProbeName(folder);
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return errno;
    int error = 0;
    const char bytes[512] = {};
    if (::write(fd, bytes, sizeof bytes) != static_cast<ssize_t>(sizeof bytes))
        error = errno != 0 ? errno : ENOSPC;
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    ::unlink(probe.c_str());
    return error;
}

}  // namespace

std::optional<std::string> UnreadableFileReason(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return CannotRead(path, errno);
    if (S_ISLNK(info.st_mode) && ::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) return path + " is a broken symbolic link";
        return CannotRead(path, errno);
    }
    if (!S_ISREG(info.st_mode)) return path + " is not a regular file";
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return CannotRead(path, errno);
    ::close(fd);
    return std::nullopt;
}

std::optional<std::string> UnwritableFolderReason(const std::string& folder) {
    if (folder.empty()) return "No target folder was given";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        // Missing after all: why it could not be made. Anything else (a
        // file in the way) is the cause itself.
        const int error = errno;
        return CannotWrite(folder, error == ENOENT && ec ? ec.value() : error);
    }
    if (!S_ISDIR(info.st_mode)) return CannotWrite(folder, ENOTDIR);
    if (const int error = ProbeWrite(folder); error != 0) return CannotWrite(folder, error);
    return std::nullopt;
}

std::string ResolvedPath(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    if (ec) return path;
    const fs::path whole = fs::canonical(absolute, ec);
    if (!ec) return whole.string();
    const fs::path name = absolute.filename();
    const fs::path folder = fs::canonical(absolute.parent_path(), ec);
    if (!ec && !name.empty() && name != "." && name != "..") return (folder / name).string();
    return absolute.lexically_normal().string();
}

}  // namespace platform
