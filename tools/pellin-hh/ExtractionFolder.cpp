#include "ExtractionFolder.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace {

// A full folder stops the whole extraction; any other failure only the entry.
[[noreturn]] void Fail(const std::string& what, int error) {
    const std::string message = what + ": " + std::strerror(error);
    if (error == ENOSPC || error == EDQUOT) throw SinkFull(message);
    throw std::runtime_error(message);
}

std::string Joined(const EntryPath& path, std::size_t count) {
    std::string joined;
    for (std::size_t i = 0; i < count && i < path.size(); ++i) {
        if (i > 0) joined += '/';
        joined += path[i];
    }
    return joined;
}

std::string TemporaryPrefix(int process) { return ".pellin-hh." + std::to_string(process) + "."; }

// Creates an unused hidden name in `folder` and opens it for writing.
std::pair<UniqueFd, std::string> CreateTemporary(int folder) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = TemporaryPrefix(::getpid()) + std::to_string(counter++) + ".part";
        const int fd = ::openat(folder, name.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) return {UniqueFd(fd), std::move(name)};
        if (errno != EEXIST) Fail("cannot create a file", errno);
    }
    throw std::runtime_error("cannot create a file: no free temporary name");
}

class RenamingFileWriter final : public FileWriter {
public:
    RenamingFileWriter(UniqueFd folder, std::string finalName, std::string shownName,
                       const struct stat* keep)
        : folder_(std::move(folder)),
          finalName_(std::move(finalName)),
          shownName_(std::move(shownName)),
          keep_(keep) {
        auto [file, name] = CreateTemporary(folder_.Get());
        file_ = std::move(file);
        temporaryName_ = std::move(name);
    }

    ~RenamingFileWriter() override {
        if (!committed_) ::unlinkat(folder_.Get(), temporaryName_.c_str(), 0);
    }

    void Write(const unsigned char* data, std::size_t size) override {
        while (size > 0) {
            const ssize_t written = ::write(file_.Get(), data, size);
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0)
                Fail("cannot write \"" + shownName_ + "\"", written < 0 ? errno : ENOSPC);
            data += written;
            size -= static_cast<std::size_t>(written);
        }
    }

    void Commit() override {
        CheckReplaceable();
        // A file system that reports a full disk only at the close (NFS).
        if (::close(file_.Release()) != 0 && errno != EINTR)
            Fail("cannot write \"" + shownName_ + "\"", errno);
        if (::renameat(folder_.Get(), temporaryName_.c_str(), folder_.Get(), finalName_.c_str()) !=
            0)
            Fail("cannot write \"" + shownName_ + "\"", errno);
        committed_ = true;
    }

private:
    void CheckReplaceable() const {
        struct stat existing {};
        if (::fstatat(folder_.Get(), finalName_.c_str(), &existing, AT_SYMLINK_NOFOLLOW) != 0)
            return;
        if (S_ISDIR(existing.st_mode))
            throw std::runtime_error("cannot write \"" + shownName_ +
                                     "\": a folder of that name exists");
        if (keep_ != nullptr && existing.st_dev == keep_->st_dev &&
            existing.st_ino == keep_->st_ino)
            throw std::runtime_error("refused \"" + shownName_ +
                                     "\": it would replace the help file being read");
    }

    UniqueFd folder_;
    UniqueFd file_;
    std::string finalName_;
    std::string shownName_;
    std::string temporaryName_;
    const struct stat* keep_;
    bool committed_ = false;
};

}  // namespace

ExtractionFolder::ExtractionFolder(const std::string& folder, const std::string& protectedFile) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    root_ = UniqueFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!root_.Valid()) Fail("cannot open the folder \"" + folder + "\"", errno);
    if (!protectedFile.empty() && ::stat(protectedFile.c_str(), &protected_) == 0)
        hasProtected_ = true;
}

UniqueFd ExtractionFolder::OpenFolder(const EntryPath& path, std::size_t count) {
    UniqueFd current(::openat(root_.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!current.Valid()) Fail("cannot open the extraction folder", errno);
    for (std::size_t i = 0; i < count; ++i) {
        const char* component = path[i].c_str();
        if (::mkdirat(current.Get(), component, 0755) != 0 && errno != EEXIST)
            Fail("cannot create the folder \"" + Joined(path, i + 1) + "\"", errno);
        UniqueFd next(
            ::openat(current.Get(), component, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.Valid()) {
            const int error = errno;
            if (error == ENOTDIR || error == ELOOP)
                throw std::runtime_error("cannot use \"" + Joined(path, i + 1) +
                                         "\" as a folder: it is a file or a symbolic link");
            Fail("cannot open the folder \"" + Joined(path, i + 1) + "\"", error);
        }
        current = std::move(next);
    }
    return current;
}

void ExtractionFolder::MakeFolder(const EntryPath& path) { OpenFolder(path, path.size()); }

std::unique_ptr<FileWriter> ExtractionFolder::BeginFile(const EntryPath& path) {
    if (path.empty()) throw std::runtime_error("cannot write a file without a name");
    UniqueFd folder = OpenFolder(path, path.size() - 1);
    return std::make_unique<RenamingFileWriter>(std::move(folder), path.back(),
                                                Joined(path, path.size()),
                                                hasProtected_ ? &protected_ : nullptr);
}

void ExtractionFolder::RemoveUnfinished(const std::string& folder, int writerProcess) {
    namespace fs = std::filesystem;
    const std::string prefix = TemporaryPrefix(writerProcess);
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const auto name = it->path().filename().string();
        if (name.starts_with(prefix) && name.ends_with(".part") && it->is_regular_file(error))
            fs::remove(it->path(), error);
    }
}
