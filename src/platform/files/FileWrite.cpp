#include "platform/files/FileWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

namespace {

// Pipes, terminals and some devices cannot be synced; their data has gone
// where it goes.
bool SyncFailed(int fd) { return ::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP; }

int ErrnoOr(int fallback) { return errno != 0 ? errno : fallback; }

}  // namespace

FileError CannotWriteIn(const std::string& what, const std::string& folder, int error) {
    return FileError("Cannot write " + what + " in " + folder + ": " + std::strerror(error), error);
}

FileError CannotWriteFile(const std::string& path, int error) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return CannotWriteIn(path, ".", error);
    return CannotWriteIn(path.substr(slash + 1), slash == 0 ? "/" : path.substr(0, slash), error);
}

int WriteFully(int fd, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        errno = 0;
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return ErrnoOr(ENOSPC);
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

void WriteFileBytes(const std::string& file, std::string_view bytes, const std::string& shownPath) {
    WriteFileParts(file, {bytes}, shownPath);
}

void WriteFileParts(const std::string& file, std::initializer_list<std::string_view> parts,
                    const std::string& shownPath) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) throw CannotWriteFile(shownPath, errno);
    int error = 0;
    for (const std::string_view part : parts)
        if (error == 0) error = WriteFully(fd, part.data(), part.size());
    if (error == 0 && SyncFailed(fd)) error = errno;
    if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
    if (error != 0) throw CannotWriteFile(shownPath, error);
}

}  // namespace platform
