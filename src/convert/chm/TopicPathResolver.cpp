#include "convert/chm/TopicPathResolver.h"

#include <strings.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/text/AsciiText.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> SplitComponents(const std::string& path) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c == '/' || c == '\\') {
            if (!current.empty()) parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(current);
    return parts;
}

bool HasControlCharacter(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

// The entry of `folder` whose name equals `name` apart from letter case.
std::optional<std::string> FindNoCase(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (platform::EqualsNoCase(candidate, name)) return candidate;
    }
    return std::nullopt;
}

}  // namespace

TopicPathResolver::TopicPathResolver(std::string rootFolder) : root_(std::move(rootFolder)) {}

std::optional<std::string> TopicPathResolver::Normalize(const std::string& baseFolder,
                                                        const std::string& link, AboveRoot above) {
    if (HasControlCharacter(link)) return std::nullopt;
    const bool fromTop = !link.empty() && (link.front() == '/' || link.front() == '\\');
    std::vector<std::string> stack =
        fromTop ? std::vector<std::string>{} : SplitComponents(baseFolder);
    for (const auto& part : SplitComponents(link)) {
        if (part == ".") continue;
        if (part == "..") {
            if (stack.empty() && above == AboveRoot::Refused) return std::nullopt;
            if (!stack.empty()) stack.pop_back();
            continue;
        }
        stack.push_back(part);
    }
    if (stack.empty()) return std::nullopt;
    std::string relative;
    for (const auto& part : stack) relative += (relative.empty() ? "" : "/") + part;
    return relative;
}

std::string TopicPathResolver::Locate(const std::string& relative) const {
    fs::path current = root_;
    bool searching = true;
    for (const auto& part : SplitComponents(relative)) {
        std::error_code ec;
        if (searching && !fs::exists(fs::symlink_status(current / part, ec))) {
            const auto found = FindNoCase(current, part);
            searching = found.has_value();
            current /= found.value_or(part);
        } else {
            current /= part;
        }
    }
    return current.string();
}

std::optional<std::string> TopicPathResolver::Resolve(const std::string& baseFolder,
                                                      const std::string& link,
                                                      AboveRoot above) const {
    const auto relative = Normalize(baseFolder, link, above);
    if (!relative) return std::nullopt;
    return Locate(*relative);
}
