#include "platform/office/ProfileSeed.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace platform::office {

namespace fs = std::filesystem;

namespace {

// Only a real folder of our own user is trusted: the temporary folder is
// shared, and a folder planted there by someone else must not be used.
bool isOwnFolder(const fs::path& folder) {
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 022) == 0;
}

void copyProfile(const fs::path& from, const fs::path& to) {
    for (const auto& entry : fs::directory_iterator(from)) {
        if (entry.path().filename() == ".lock") continue;  // the running office's lock
        fs::copy(entry.path(), to / entry.path().filename(),
                 fs::copy_options::recursive | fs::copy_options::skip_symlinks);
    }
}

}  // namespace

ProfileSeed::ProfileSeed(fs::path folder) : folder_(std::move(folder)) {}

fs::path ProfileSeed::defaultFolder() {
    return fs::temp_directory_path() / ("pellin-office-seed-" + std::to_string(::getuid()));
}

std::optional<fs::path> ProfileSeed::available() const {
    std::error_code error;
    if (!isOwnFolder(folder_) || !fs::exists(folder_ / "user", error)) return std::nullopt;
    return folder_;
}

bool ProfileSeed::copyTo(const fs::path& profile) const {
    const auto seed = available();
    if (!seed) return false;
    try {
        copyProfile(*seed, profile);
        return true;
    } catch (const fs::filesystem_error&) {
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(profile, ignored))
            fs::remove_all(entry.path(), ignored);
        return false;
    }
}

void ProfileSeed::offer(const fs::path& profile) const {
    std::error_code error;
    if (fs::exists(folder_, error)) return;
    std::string pattern = folder_.string() + ".new-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) return;
    const fs::path fresh = pattern;
    try {
        copyProfile(profile, fresh);
        fs::rename(fresh, folder_);  // fails when another process was first
    } catch (const fs::filesystem_error&) {
    }
    fs::remove_all(fresh, error);
}

}  // namespace platform::office
