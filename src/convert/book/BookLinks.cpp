#include "convert/book/BookLinks.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/text/AsciiText.h"

namespace {

// A page's "../x.png" at the top of the help file is the top's own x.png, as
// a browser reads it: the address still cannot leave the help file.
constexpr auto kAsABrowserReadsIt = TopicPathResolver::AboveRoot::StaysAtRoot;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n\f");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n\f") - first + 1);
}

// The scheme before ":" (letters, digits, "+-."), lower-case; empty when none.
std::string SchemeOf(std::string_view address) {
    const auto colon = address.find(':');
    if (colon == std::string_view::npos || colon < 2) return {};  // "c:" is no scheme
    const auto scheme = address.substr(0, colon);
    const bool valid = std::all_of(scheme.begin(), scheme.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
    return valid ? platform::ToLowerAscii(std::string(scheme)) : std::string();
}

bool IsWebScheme(const std::string& scheme) {
    return scheme == "http" || scheme == "https" || scheme == "ftp" || scheme == "mailto" ||
           scheme == "news";
}

// "ms-its:file.chm::/dir/page.htm" and "mk:@MSITStore:file.chm::/page.htm" name
// a page inside a help file; the part after "::" is its place from the top.
std::optional<std::string> InsideHelpFile(std::string_view address) {
    const auto separator = address.find("::");
    if (separator == std::string_view::npos) return std::nullopt;
    const std::string_view place = address.substr(separator + 2);
    if (!place.empty() && (place.front() == '/' || place.front() == '\\'))
        return std::string(place);
    return "/" + std::string(place);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::symlink_status(path, error));
}

}  // namespace

std::string PercentDecoded(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = HexValue(text[i + 1]);
            const int low = HexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                decoded += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        decoded += text[i];
    }
    return decoded;
}

BookLinks::BookLinks(const TopicPathResolver& resolver, const std::vector<std::string>& topics)
    : resolver_(resolver) {
    for (std::size_t i = 0; i < topics.size(); ++i)
        topicOfPath_.emplace(platform::ToLowerAscii(topics[i]), static_cast<int>(i));
}

int BookLinks::TopicOfPath(const std::string& path) const {
    const auto found = topicOfPath_.find(platform::ToLowerAscii(path));
    return found == topicOfPath_.end() ? -1 : found->second;
}

std::string BookLinks::FolderInJob(const std::string& path) const {
    const std::string& root = resolver_.Root();
    if (path.size() <= root.size() + 1 || path.compare(0, root.size(), root) != 0) return {};
    const std::string relative = path.substr(root.size() + 1);
    const auto slash = relative.rfind('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

BookTarget BookLinks::Resolve(int from, const std::string& fromPath,
                              std::string_view address) const {
    const std::string_view text = Trimmed(address);
    if (text.empty()) return {};
    if (text.front() == '#') {
        BookTarget target{
            BookTarget::Kind::Topic, {}, from, PercentDecoded(text.substr(1)), fromPath};
        return target;
    }
    const std::string scheme = SchemeOf(text);
    if (IsWebScheme(scheme)) return {BookTarget::Kind::Web, std::string(text), -1, {}, {}};
    if (scheme == "ms-its" || scheme == "mk" || scheme == "its") {
        const auto place = InsideHelpFile(text);
        return place ? ResolveInJob(from, "", *place) : BookTarget{};
    }
    if (!scheme.empty()) return {};  // file:, javascript:, res: and the like lead nowhere
    return ResolveInJob(from, FolderInJob(fromPath), text);
}

BookTarget BookLinks::ResolveInJob(int from, const std::string& baseFolder,
                                   std::string_view address) const {
    std::string_view place = address;
    std::string fragment;
    if (const auto hash = place.find('#'); hash != std::string_view::npos) {
        fragment = PercentDecoded(place.substr(hash + 1));
        place = place.substr(0, hash);
    }
    if (const auto query = place.find('?'); query != std::string_view::npos)
        place = place.substr(0, query);
    if (place.empty()) return {BookTarget::Kind::Topic, {}, from, fragment, {}};
    const auto path = resolver_.Resolve(baseFolder, PercentDecoded(place), kAsABrowserReadsIt);
    if (!path) return {};
    if (const int topic = TopicOfPath(*path); topic >= 0)
        return {BookTarget::Kind::Topic, {}, topic, fragment, *path};
    if (IsRegularFile(*path)) return {BookTarget::Kind::File, {}, -1, {}, *path};
    return {};
}

std::optional<std::string> BookLinks::LocalFile(const std::string& fromPath,
                                                std::string_view address) const {
    const std::string_view text = Trimmed(address);
    const std::string scheme = SchemeOf(text);
    std::string_view place = text;
    std::string base = FolderInJob(fromPath);
    std::string inside;
    if (scheme == "ms-its" || scheme == "mk" || scheme == "its") {
        const auto found = InsideHelpFile(text);
        if (!found) return std::nullopt;
        inside = *found;
        place = inside;
        base.clear();
    } else if (!scheme.empty()) {
        return std::nullopt;
    }
    if (const auto cut = place.find_first_of("?#"); cut != std::string_view::npos)
        place = place.substr(0, cut);
    if (place.empty()) return std::nullopt;
    const auto path = resolver_.Resolve(base, PercentDecoded(place), kAsABrowserReadsIt);
    if (!path || !IsRegularFile(*path)) return std::nullopt;
    return path;
}
