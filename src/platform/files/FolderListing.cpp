#include "platform/files/FolderListing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>

#include "platform/text/AsciiText.h"

namespace platform {

namespace {

constexpr std::uint32_t kFilteredAttributes = faHidden | faSysFile | faVolumeId | faDirectory;

std::uint32_t KindAttributes(DIR* dir, const char* name) {
    struct stat info {};
    // Relative to the open folder: no path to build or resolve again.
    if (fstatat(dirfd(dir), name, &info, 0) != 0)
        return faSysFile;  // a dangling link or an entry that vanished
    std::uint32_t attributes = 0;
    if (S_ISDIR(info.st_mode))
        attributes |= faDirectory;
    else if (S_ISREG(info.st_mode))
        attributes |= faArchive;
    else
        attributes |= faSysFile;
    if ((info.st_mode & S_IWUSR) == 0) attributes |= faReadOnly;
    return attributes;
}

}  // namespace

bool WildcardNameMatch(const std::string& pattern, const std::string& name) {
    if (pattern == "*.*") return true;
    // Iterative match with one backtrack point for the last "*" seen.
    std::size_t p = 0, n = 0;
    std::size_t starAt = std::string::npos, resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || ToLowerAscii(pattern[p]) == ToLowerAscii(name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::string::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

struct FolderListing::State {
    DIR* dir = nullptr;
    std::string folder;  // with trailing '/', or empty for the current folder
    std::string namePattern;
    std::uint32_t excluded = 0;
};

FolderListing::FolderListing(const std::string& pattern, std::uint32_t attributeMask)
    : state_(std::make_unique<State>()) {
    const auto slash = pattern.rfind('/');
    state_->folder = slash == std::string::npos ? std::string() : pattern.substr(0, slash + 1);
    state_->namePattern = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
    state_->excluded = kFilteredAttributes & ~attributeMask;
    if (state_->namePattern.empty()) return;
    state_->dir = opendir(state_->folder.empty() ? "." : state_->folder.c_str());
}

FolderListing::~FolderListing() {
    if (state_->dir) closedir(state_->dir);
}

std::optional<FolderEntry> FolderListing::Next() {
    if (!state_->dir) return std::nullopt;
    while (const dirent* entry = readdir(state_->dir)) {
        std::string name = entry->d_name;
        if (!WildcardNameMatch(state_->namePattern, name)) continue;
        std::uint32_t attributes = KindAttributes(state_->dir, entry->d_name);
        if (name.front() == '.') attributes |= faHidden;
        if (attributes & state_->excluded) continue;
        return FolderEntry{std::move(name), attributes};
    }
    return std::nullopt;
}

std::optional<FolderIdentity> IdentifyFolder(const std::string& folder) {
    struct stat info {};
    if (stat(folder.empty() ? "." : folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    return FolderIdentity{static_cast<std::uint64_t>(info.st_dev),
                          static_cast<std::uint64_t>(info.st_ino)};
}

}  // namespace platform
