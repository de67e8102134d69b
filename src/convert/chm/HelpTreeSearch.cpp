#include "convert/chm/HelpTreeSearch.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "convert/chm/TopicPathResolver.h"
#include "platform/text/AsciiText.h"

namespace fs = std::filesystem;

namespace {

bool MatchFrom(const char* name, const char* mask) {
    // Iterative wildcard match with a single back-track point for the last '*'.
    const char* starMask = nullptr;
    const char* starName = nullptr;
    while (*name) {
        if (*mask == '*') {
            starMask = ++mask;
            starName = name;
        } else if (*mask == '?' ||
                   (*mask && platform::ToLowerAscii(*mask) == platform::ToLowerAscii(*name))) {
            ++mask;
            ++name;
        } else if (starMask) {
            mask = starMask;
            name = ++starName;
        } else {
            return false;
        }
    }
    while (*mask == '*') ++mask;
    return *mask == '\0';
}

bool IsPlainFile(const fs::directory_entry& entry) {
    std::error_code ec;
    return entry.is_regular_file(ec) && !entry.is_symlink(ec);
}

size_t Depth(const std::string& relative) {
    return std::count(relative.begin(), relative.end(), '/');
}

}  // namespace

bool MatchesMask(const std::string& name, const std::string& mask) {
    return MatchFrom(name.c_str(), mask.c_str());
}

std::string FolderOf(const std::string& relativePath) {
    const auto slash = relativePath.rfind('/');
    return slash == std::string::npos ? std::string() : relativePath.substr(0, slash);
}

std::optional<std::string> FindFirstFile(const std::string& root, const std::string& relativeMask) {
    const auto slash = relativeMask.rfind('/');
    const std::string namePart =
        slash == std::string::npos ? relativeMask : relativeMask.substr(slash + 1);
    std::string folder;
    if (slash != std::string::npos) {
        // The folder part comes from inside the help file: keep it inside the root.
        const auto inside = TopicPathResolver::Normalize("", relativeMask.substr(0, slash));
        if (!inside) return std::nullopt;
        folder = *inside;
    }
    const TopicPathResolver resolver(root);
    const fs::path where = folder.empty() ? fs::path(root) : fs::path(resolver.Locate(folder));

    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(where, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (IsPlainFile(*it) && MatchesMask(name, namePart)) names.push_back(name);
    }
    if (names.empty()) return std::nullopt;
    const auto first = *std::min_element(names.begin(), names.end());
    const std::string located = fs::path(where).lexically_relative(root).generic_string();
    return (located.empty() || located == ".") ? first : located + "/" + first;
}

std::vector<std::string> FindFilesBelow(const std::string& root,
                                        const std::vector<std::string>& masks) {
    std::vector<std::string> found;
    std::error_code ec;
    fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec);
    for (fs::recursive_directory_iterator end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const bool matches = std::any_of(masks.begin(), masks.end(), [&](const std::string& mask) {
            return MatchesMask(name, mask);
        });
        if (matches && IsPlainFile(*it))
            found.push_back(it->path().lexically_relative(root).generic_string());
    }
    std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
        const auto da = Depth(a), db = Depth(b);
        if (da != db) return da < db;
        return platform::ToLowerAscii(a) < platform::ToLowerAscii(b);
    });
    return found;
}
