#include "convert/chm/DecompiledFiles.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace fs = std::filesystem;

namespace {

std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

// The iterator's paths begin with the root as given; cutting it off is much
// cheaper than a lexical comparison of every path.
std::string RelativeTo(const std::string& prefix, const fs::path& path) {
    const std::string& full = path.native();
    if (full.starts_with(prefix)) return full.substr(prefix.size());
    return path.lexically_relative(prefix).generic_string();
}

}  // namespace

DecompiledFiles::DecompiledFiles(std::string root, const std::vector<std::string>& leftOut)
    : root_(std::move(root)) {
    std::vector<std::string> found;
    const std::string prefix = root_.ends_with('/') ? root_ : root_ + "/";
    std::error_code ec;
    fs::recursive_directory_iterator it(root_, fs::directory_options::skip_permission_denied, ec);
    for (fs::recursive_directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (it->is_symlink(kind) || !it->is_regular_file(kind)) continue;
        std::string relative = RelativeTo(prefix, it->path());
        if (std::find(leftOut.begin(), leftOut.end(), relative) == leftOut.end())
            found.push_back(std::move(relative));
        if (found.size() >= MaxFiles) break;
    }
    // Listing order depends on the file system; name order makes the choice
    // between names that differ only in case the same everywhere.
    std::sort(found.begin(), found.end());
    for (auto& relative : found) {
        folded_.emplace(Folded(relative), relative);
        exact_.insert(std::move(relative));
    }
}

std::optional<std::string> DecompiledFiles::Find(const std::string& relative) const {
    if (exact_.contains(relative)) return relative;
    const auto folded = folded_.find(Folded(relative));
    if (folded == folded_.end()) return std::nullopt;
    return folded->second;
}
