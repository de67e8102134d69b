#include "convert/TargetClaims.h"

std::string TargetClaimPath(const std::string& targetDir, const std::string& target) {
    if (!targetDir.empty() && target.size() > targetDir.size() &&
        target.compare(0, targetDir.size(), targetDir) == 0)
        return targetDir + TargetClaimFolder + target.substr(targetDir.size());
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    return folder + TargetClaimFolder + target.substr(folder.size());
}

platform::NameClaim ClaimTarget(const std::string& targetDir, const std::string& target,
                                const std::string& sourceKey) {
    return platform::ClaimName(TargetClaimPath(targetDir, target), sourceKey);
}

std::string TargetClaimFailure(const std::string& target, const platform::NameClaim& claim) {
    if (claim.Result == platform::NameClaim::Outcome::Taken)
        return "The target " + target + " belongs to another help file: " + claim.Holder;
    return "The target name cannot be claimed. " + claim.Error;
}
