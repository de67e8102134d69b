#include "convert/output/PartialTarget.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <set>
#include <stdexcept>

#include "platform/files/FileWrite.h"
#include "platform/process/ProcessLeftovers.h"

namespace {

// What the probe of a folder writes, to tell a full disk from an export that
// failed for another reason.
constexpr std::size_t ProbeBytes = 1024 * 1024;

std::string Reason(int error) { return std::strerror(error); }

constexpr const char* HiddenSuffixes[] = {"part", "done", "probe"};

// Creates a new empty file named <folder>/.pellin-<suffix>-<process tag>-XXXXXX.pdf.
std::string CreateHidden(const std::string& folder, const char* suffix) {
    std::string pattern =
        folder + "/.pellin-" + suffix + "-" + platform::ProcessTag() + "-XXXXXX.pdf";
    const int fd = ::mkstemps(pattern.data(), 4);
    if (fd < 0) throw std::runtime_error("Cannot write to " + folder + ": " + Reason(errno));
    ::fchmod(fd, 0644);
    ::close(fd);
    return pattern;
}

// The hidden files a killed process left in a target folder go the first
// time this process writes there.
void RemoveLeftoversOnce(const std::string& folder) {
    static std::mutex lock;
    static std::set<std::string> done;
    {
        std::lock_guard guard(lock);
        if (!done.insert(folder).second) return;
    }
    for (const char* suffix : HiddenSuffixes)
        platform::RemoveLeftoversOfEndedProcesses(folder, std::string(".pellin-") + suffix + "-");
}

}  // namespace

std::string FolderOfFile(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

PartialTarget::PartialTarget(std::string target) : target_(std::move(target)) {
    const std::string folder = FolderOfFile(target_);
    RemoveLeftoversOnce(folder);
    path_ = CreateHidden(folder, "part");
    try {
        finished_ = CreateHidden(folder, "done");
    } catch (...) {
        ::unlink(path_.c_str());
        throw;
    }
}

PartialTarget::~PartialTarget() {
    for (const std::string* file : {&path_, &finished_})
        if (!file->empty()) ::unlink(file->c_str());
}

void PartialTarget::Commit(const std::string& from) {
    if (::rename(from.c_str(), target_.c_str()) != 0)
        throw platform::CannotWriteFile(target_, errno);
    if (from == path_) path_.clear();
    if (from == finished_) finished_.clear();
}

std::optional<std::string> PartialTarget::WriteProblem() const {
    std::string probe;
    try {
        probe = CreateHidden(FolderOfFile(target_), "probe");
    } catch (const std::exception& error) {
        return std::string(error.what());
    }
    // The office removes what it wrote when its export fails, so a little
    // room shows again: the probe asks for the room of a small PDF.
    int error = 0;
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) error = errno;
    const std::string block(64 * 1024, '\0');
    for (std::size_t written = 0; error == 0 && written < ProbeBytes; written += block.size())
        error = platform::WriteFully(fd, block.data(), block.size());
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (fd >= 0 && ::close(fd) != 0 && error == 0) error = errno;
    ::unlink(probe.c_str());
    if (error == 0) return std::nullopt;
    return std::string(platform::CannotWriteFile(target_, error).what());
}
