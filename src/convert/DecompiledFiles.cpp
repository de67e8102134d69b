#include "convert/DecompiledFiles.h"

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

}  // namespace

DecompiledFiles::DecompiledFiles(std::string root, const std::vector<std::string>& leftOut)
    : root_(std::move(root)) {
    std::vector<std::string> found;
    std::error_code ec;
    fs::recursive_directory_iterator it(root_, fs::directory_options::skip_permission_denied, ec);
    for (fs::recursive_directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (it->is_symlink(kind) || !it->is_regular_file(kind)) continue;
        std::string relative = it->path().lexically_relative(root_).generic_string();
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
