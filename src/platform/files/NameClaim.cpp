#include "platform/files/NameClaim.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

namespace platform {

namespace {

// How long a reader waits for the text of a claim made with O_EXCL.
constexpr auto EmptyClaimPatience = std::chrono::seconds(2);
constexpr auto EmptyClaimStep = std::chrono::milliseconds(20);
constexpr std::size_t MaxClaimSize = 64 * 1024;

NameClaim Owned() { return {NameClaim::Outcome::Owned, {}, {}}; }

NameClaim Failed(const std::string& what, int error) {
    return {NameClaim::Outcome::Failed, {}, what + ": " + std::strerror(error)};
}

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return "host";
    return name;
}

// A name for the private copy that no other thread, process or machine uses.
std::string PrivateName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + ".claiming-" + HostName() + "-" + std::to_string(::getpid()) + "-" +
           std::to_string(counter.fetch_add(1));
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0;
}

// The claim's text without its line end; false when it cannot be read.
bool ReadClaim(const std::string& path, std::string& text) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    text.clear();
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0 && text.size() < MaxClaimSize)
        text.append(buffer, static_cast<std::size_t>(n));
    ::close(fd);
    if (n < 0) return false;
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return true;
}

// Whose the existing claim is; an empty claim may still be being written.
NameClaim ExistingClaim(const std::string& path, const std::string& owner) {
    const auto deadline = std::chrono::steady_clock::now() + EmptyClaimPatience;
    std::string holder;
    for (;;) {
        if (!ReadClaim(path, holder)) {
            const int error = errno;
            return Failed("Cannot read the claim " + path, error);
        }
        if (!holder.empty() || std::chrono::steady_clock::now() > deadline) break;
        std::this_thread::sleep_for(EmptyClaimStep);
    }
    if (holder == owner) return Owned();
    if (holder.empty()) return {NameClaim::Outcome::Failed, {}, "The claim " + path + " is empty"};
    return {NameClaim::Outcome::Taken, holder, {}};
}

NameClaim ClaimWithExclusiveCreate(const std::string& path, const std::string& owner) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int error = errno;
        if (error == EEXIST) return ExistingClaim(path, owner);
        return Failed("Cannot create the claim " + path, error);
    }
    const bool written = WriteAll(fd, owner + "\n");
    const int error = errno;
    ::close(fd);
    if (!written) {
        ::unlink(path.c_str());
        return Failed("Cannot write the claim " + path, error);
    }
    return Owned();
}

bool LinksUnsupported(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK;
}

}  // namespace

NameClaim ClaimName(const std::string& path, const std::string& owner) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);

    const std::string draft = PrivateName(path);
    const int fd = ::open(draft.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int error = errno;
        return Failed("Cannot create a claim beside " + path, error);
    }
    const bool written = WriteAll(fd, owner + "\n");
    const int writeError = errno;
    ::close(fd);
    if (!written) {
        ::unlink(draft.c_str());
        return Failed("Cannot write a claim beside " + path, writeError);
    }

    const int linked = ::link(draft.c_str(), path.c_str());
    const int linkError = errno;
    // Over NFS a link whose reply was lost may report an error though it was
    // made: the private copy then has two names.
    struct stat info {};
    const bool made = linked == 0 || (::stat(draft.c_str(), &info) == 0 && info.st_nlink == 2);
    ::unlink(draft.c_str());
    if (made) return Owned();
    if (linkError == EEXIST) return ExistingClaim(path, owner);
    if (LinksUnsupported(linkError)) return ClaimWithExclusiveCreate(path, owner);
    return Failed("Cannot claim " + path, linkError);
}

}  // namespace platform
