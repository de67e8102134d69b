// The search half of the batch controller: normalising the source, walking
// the folders and filtering the names found.

#include <algorithm>

#include "batch/TvxBatch.h"
#include "batch/TvxMatch.h"
#include "core/TvxProject.h"
#include "platform/files/FileProbe.h"
#include "platform/text/AsciiText.h"
#include "platform/text/PathText.h"
#include "regex/VBScriptRegex.h"

namespace {

bool IsDotEntry(const std::string& name) { return name == "." || name == ".."; }

// The hidden files a run keeps beside its targets while it writes them
// (".pellin-part-...", ".pellin-done-..."), found when the target folder lies
// in the searched one.
bool IsWorkFile(const std::string& fileName) {
    if (!vxProject || vxProject->ShortName.empty()) return false;
    return platform::ExtractFileName(fileName).rfind("." + vxProject->ShortName + "-", 0) == 0;
}

// `rest` is the address after "file:" and its slashes, `slashes` how many
// slashes there were.
std::string LocalPathOfFileAddress(const std::string& rest, std::size_t slashes) {
    if (rest.empty()) return rest;
    if (slashes == 0) return rest;        // "file:x.chm": a relative name
    if (slashes != 2) return "/" + rest;  // "file:/a", "file:///a": a local absolute path
    // "file://host/path": the host names the machine that holds the file.
    const auto slash = rest.find('/');
    const std::string host = rest.substr(0, slash);
    if (platform::EqualsNoCase(host, "localhost"))
        return slash == std::string::npos ? "/" : rest.substr(slash);
    // Any other host cannot be reached as a local file. It is kept as the
    // leading component of a "//host/path" network-style path, the way the
    // program writes network paths; Linux resolves it like "/host/path", so
    // the common slip "file://home/a/x.chm" still finds /home/a/x.chm.
    return "//" + rest;
}

}  // namespace

std::string TvxBatch::NormalizePath(const std::string& path) {
    if (path.rfind("file:", 0) != 0) return path;
    const std::string rest = vbregex::Regex::Replace("^file:/*", path, "");
    const std::size_t slashes = path.size() - 5 - rest.size();
    return LocalPathOfFileAddress(rest, slashes);
}

TvxMatchBase* TvxBatch::Matcher() const { return vxMatch; }

std::string TvxBatch::SourceKey(const std::string& fileName) const {
    std::string sourceDir;
    {
        std::lock_guard guard(*lock_);
        sourceDir = SourceDir;
    }
    if (!sourceDir.empty() && fileName.size() > sourceDir.size() &&
        fileName.compare(0, sourceDir.size(), sourceDir) == 0)
        return fileName.substr(sourceDir.size());
    const auto slash = fileName.rfind('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

bool TvxBatch::Accept(const std::string& fileName) {
    std::string mask, regExt;
    std::optional<TvxShard> shard;
    {
        // Start and Execute may replace these on other threads.
        std::lock_guard guard(*lock_);
        mask = Mask;
        regExt = RegExt;
        shard = Shard;
    }
    // The cheap test first: most files of a split run belong to other shards.
    if (shard && !shard->Holds(SourceKey(fileName))) return false;
    if (IsWorkFile(fileName) || IsOwnOutput(fileName)) return false;
    TvxMatchBase* matcher = Matcher();
    if (!matcher) return true;
    if (!matcher->MatchName(fileName, WildcardToRegex(mask))) return false;
    return regExt.empty() || matcher->MatchName(fileName, regExt);
}

std::string TvxBatch::TakeOutput(const std::string& path, const std::string& owner) {
    const std::string key = platform::ResolvedPath(path);
    std::lock_guard guard(*lock_);
    return outputs_.try_emplace(key, owner).first->second;
}

bool TvxBatch::IsOwnOutput(const std::string& path) const {
    {
        std::lock_guard guard(*lock_);
        if (outputs_.empty()) return false;  // no look at the disk before the first job
    }
    const std::string key = platform::ResolvedPath(path);
    std::lock_guard guard(*lock_);
    return outputs_.count(key) != 0;
}

void TvxBatch::Search(const std::string& folder, const std::string& mask, bool subdirs,
                      std::uint32_t attributeMask) {
    const auto identity = platform::IdentifyFolder(folder);
    if (!identity) return;  // missing, or a plain file reached by the sub-folder pass
    // A link back to a folder already searched would otherwise recurse for
    // ever; a folder seen under two names is searched once.
    if (!searchedFolders_.insert(*identity).second) return;
    AddFilesOf(folder, mask, attributeMask);
    if (subdirs && !Terminated()) SearchSubfoldersOf(folder, mask, subdirs, attributeMask);
}

void TvxBatch::AddFilesOf(const std::string& folder, const std::string& mask,
                          std::uint32_t attributeMask) {
    constexpr std::uint32_t lowSixBits = 63;
    platform::FolderListing listing(folder + mask, attributeMask);
    while (const auto entry = listing.Next()) {
        if (!IsDotEntry(entry->Name) && (entry->Attributes & lowSixBits & ~attributeMask) == 0)
            AddNode(folder + entry->Name);
        if (Terminated()) return;
    }
}

void TvxBatch::SearchSubfoldersOf(const std::string& folder, const std::string& mask, bool subdirs,
                                  std::uint32_t attributeMask) {
    // Asking for folders still lists plain files but never hidden or system
    // entries, whatever SkipHidden says. Searching below a plain file would
    // find nothing, so it is not tried.
    platform::FolderListing listing(folder + "*.*", platform::faDirectory);
    std::vector<std::string> later;
    while (const auto entry = listing.Next()) {
        if ((entry->Attributes & platform::faDirectory) && !IsDotEntry(entry->Name)) {
            if (orderedFolders_)
                later.push_back(entry->Name);
            else
                Search(folder + entry->Name + "/", mask, subdirs, attributeMask);
        }
        if (Terminated()) return;
    }
    std::sort(later.begin(), later.end());
    for (const auto& name : later) {
        Search(folder + name + "/", mask, subdirs, attributeMask);
        if (Terminated()) return;
    }
}
