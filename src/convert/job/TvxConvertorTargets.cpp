// The converter's rules for naming the target of a job and for treating the
// source once the job has succeeded.

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "batch/TvxBatch.h"
#include "batch/TvxNode.h"
#include "convert/job/TvxConvertor.h"
#include "convert/output/TargetClaims.h"
#include "core/TvxProject.h"
#include "platform/text/AsciiText.h"

namespace fs = std::filesystem;

namespace {

constexpr char PathDelim = '/';

const TvxProject& Project() {
    if (!vxProject) throw std::runtime_error("No batch project");
    return *vxProject;
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.rfind(PathDelim);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Up to and including the last delimiter.
std::string FolderWithDelimiter(const std::string& path) {
    const auto slash = path.rfind(PathDelim);
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

size_t ExtensionStart(const std::string& path) {
    const auto at = path.find_last_of(std::string(".") + PathDelim);
    return (at != std::string::npos && path[at] == '.') ? at : path.size();
}

std::string ExtensionOf(const std::string& path) { return path.substr(ExtensionStart(path)); }

std::string ChangeExtension(const std::string& path, const std::string& extension) {
    return path.substr(0, ExtensionStart(path)) + extension;
}

// ":" and "\" would make folder or stream names of their own on the target
// side; "/" is the delimiter that keeps the source's sub-folders.
std::string RelativeName(const TvxBatch& batch, const TvxNode& node) {
    // A file added from elsewhere (not below the searched folder) keeps only
    // its name rather than a cut-off piece of its path.
    std::string relative = Project().GetKeepTargetSubdirs() ? batch.SourceKey(node.FileName)
                                                            : FileNameOf(node.FileName);
    std::replace(relative.begin(), relative.end(), ':', '_');
    std::replace(relative.begin(), relative.end(), '\\', '_');
    return relative;
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec) && !fs::is_directory(path, ec);
}

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// "-pellin-<name>" in the same folder, for a target that must not be replaced.
std::string NewTargetName(const std::string& target) {
    return FolderWithDelimiter(target) + "-" + Project().ShortName + "-" + FileNameOf(target);
}

void FailJob(TvxBatch* batch, TvxNode* node, const std::string& message) {
    node->ResultText = message;
    node->Status = TvxNode::Failed;
    batch->AddFailure(message);
}

}  // namespace

std::string TvxConvertor::MakeTargetName(TvxBatch* batch, TvxNode* node) {
    const TvxProject& project = Project();
    std::string target = batch->TargetDir + RelativeName(*batch, *node);

    if (!project.TargetExt.empty()) {
        if (project.AltTargetExt.empty()) {
            target = ChangeExtension(target, project.TargetExt);
        } else {
            const std::string current = ExtensionOf(target);
            if (platform::EqualsNoCase(current, project.AltTargetExt) ||
                platform::EqualsNoCase(current, project.MacroTargetExt))
                target = ChangeExtension(target, project.TargetExt);
            else if (project.GetMacroEnabled() && HasMacros())
                target = ChangeExtension(target, project.MacroTargetExt);
            else
                target = ChangeExtension(target, project.AltTargetExt);
        }
    }
    target = AdjustTargetName(target);

    const std::string folder = FolderWithDelimiter(target);
    if (!folder.empty() && !IsFolder(folder)) {
        std::error_code ignored;
        fs::create_directories(folder, ignored);
        if (!IsFolder(folder)) batch->AddFailure("CreateDir Failed: " + folder);
    }

    if (!batch->Shard) return TakeTargetName(batch, node, target);
    // The claims decide between the shards; the run keeps the name too, so
    // that its search never takes the PDF for a source.
    const std::string claimed = ClaimTargetName(batch, node, target);
    if (!claimed.empty()) batch->TakeOutput(claimed, node->FileName);
    return claimed;
}

// The existing-target rules, with a name another source of this run has
// taken counting as taken: the second source of one target name (a file of
// one name in two sub-folders with KeepTargetSubdirs=0, x.chm beside x.CHM)
// moves on to "-pellin-<name>" whatever IsOverwrite says, and fails when
// that is taken too. Never may one source's PDF replace another's.
std::string TvxConvertor::TakeTargetName(TvxBatch* batch, TvxNode* node,
                                         const std::string& target) {
    const std::string& source = node->FileName;
    const OverwriteMode mode = Project().GetIsOverwrite();
    std::string name = target;
    std::string holder = batch->TakeOutput(name, source);
    const bool othersName = holder != source;
    if (othersName || (IsFile(name) && mode == OverwriteMode::NewName)) {
        name = NewTargetName(target);
        holder = batch->TakeOutput(name, source);
    }
    if (holder != source) {
        FailJob(batch, node, "The target " + name + " is taken in this run by " + holder);
        return {};
    }
    // Skipping holds for the new name too (a re-run finds the second
    // source's PDF there); the new-name mode does not test its new name.
    if (IsFile(name) && mode == OverwriteMode::Skip) {
        node->Status = TvxNode::Done;
        return {};
    }
    return name;
}

// The existing-target rules, with a name owned by another source counting as
// taken: skip and overwrite would leave that source's PDF or replace it, so
// the job fails; the new-name mode moves on to "-pellin-<name>", which must be
// free for this source too.
std::string TvxConvertor::ClaimTargetName(TvxBatch* batch, TvxNode* node,
                                          const std::string& target) {
    using Outcome = platform::NameClaim::Outcome;
    const std::string owner = batch->SourceKey(node->FileName);
    const OverwriteMode mode = Project().GetIsOverwrite();
    const platform::NameClaim claim = ClaimTarget(batch->TargetDir, target, owner);
    if (claim.Result == Outcome::Owned) {
        if (!IsFile(target) || mode == OverwriteMode::Overwrite) return target;
        if (mode == OverwriteMode::Skip) {
            node->Status = TvxNode::Done;
            return {};
        }
    } else if (claim.Result == Outcome::Failed || mode != OverwriteMode::NewName) {
        FailJob(batch, node, TargetClaimFailure(target, claim));
        return {};
    }
    const std::string newName = NewTargetName(target);
    const platform::NameClaim second = ClaimTarget(batch->TargetDir, newName, owner);
    if (second.Result == Outcome::Owned) return newName;
    FailJob(batch, node, TargetClaimFailure(newName, second));
    return {};
}

void TvxConvertor::DeleteTarget(const std::string& path) {
    ::unlink(path.c_str());  // never a folder
}

void TvxConvertor::PostProcess(TvxBatch*, TvxNode* node, const std::string& target) {
    const TvxProject& project = Project();
    const std::string& source = node->FileName;
    // The source is given up only for a PDF of its own that is there.
    if (!IsFile(target)) return;
    if (project.GetKeepFileTime()) CopyFileTimes(source, target);
    if (project.GetDeleteSource()) ::unlink(source.c_str());
    const std::string suffix = project.GetRenameSource();
    // An existing file of the new name is kept rather than replaced.
    if (!suffix.empty())
        ::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, (source + suffix).c_str(),
                    RENAME_NOREPLACE);
}

void TvxConvertor::CopyFileTimes(const std::string& source, const std::string& target) {
    struct stat info {};
    if (::stat(source.c_str(), &info) != 0) return;
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    ::utimensat(AT_FDCWD, target.c_str(), times, 0);
}
