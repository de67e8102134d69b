#include "convert/output/TargetClaims.h"

#include <cstring>
#include <filesystem>

#include "convert/chm/TvxFileUtils.h"

namespace {

constexpr std::uintmax_t MaxOldClaimSize = 64 * 1024;

// The claim an earlier version made at the target's own name below the
// claims folder (".pellin-claims/sub/x.pdf"), or "" when there is none.
std::string OldClaimHolder(const std::string& oldPath) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(oldPath, ec)) return {};
    const auto size = std::filesystem::file_size(oldPath, ec);
    if (ec || size > MaxOldClaimSize) return {};
    try {
        std::string holder = TvxFileUtils::ReadFileText(oldPath);
        if (!holder.empty() && holder.back() == '\n') holder.pop_back();
        return holder;
    } catch (const std::exception&) {
        return {};
    }
}

// An earlier version's claim passes to the new name with its owner, and goes
// once the new claim holds the same owner: the name keeps belonging to the
// help file that had it.
void CarryOverOldClaim(const std::string& claimPath) {
    const std::string oldPath =
        claimPath.substr(0, claimPath.size() - std::strlen(TargetClaimExtension));
    const std::string holder = OldClaimHolder(oldPath);
    if (holder.empty()) return;
    if (platform::ClaimName(claimPath, holder).Result == platform::NameClaim::Outcome::Owned) {
        std::error_code ec;
        std::filesystem::remove(oldPath, ec);
    }
}

}  // namespace

std::string TargetClaimPath(const std::string& targetDir, const std::string& target) {
    if (!targetDir.empty() && target.size() > targetDir.size() &&
        target.compare(0, targetDir.size(), targetDir) == 0)
        return targetDir + TargetClaimFolder + target.substr(targetDir.size()) +
               TargetClaimExtension;
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    return folder + TargetClaimFolder + target.substr(folder.size()) + TargetClaimExtension;
}

platform::NameClaim ClaimTarget(const std::string& targetDir, const std::string& target,
                                const std::string& sourceKey) {
    const std::string path = TargetClaimPath(targetDir, target);
    CarryOverOldClaim(path);
    return platform::ClaimName(path, sourceKey);
}

std::string TargetClaimFailure(const std::string& target, const platform::NameClaim& claim) {
    if (claim.Result == platform::NameClaim::Outcome::Taken)
        return "The target " + target + " belongs to another help file: " + claim.Holder;
    return "The target name cannot be claimed. " + claim.Error;
}
