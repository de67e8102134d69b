#include "platform/office/TopicLinks.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/text/AsciiText.h"

namespace platform::office {

namespace {

constexpr const char* kTopicPrefix = "PellinTopic";

// A scheme is letters, digits, "+", "-" and "." before the first ":".
bool hasScheme(const std::string& url) {
    const auto colon = url.find(':');
    if (colon == std::string::npos || colon == 0) return false;
    return std::all_of(url.begin(), url.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
}

std::pair<std::string, std::string> splitFragment(const std::string& url) {
    const auto hash = url.find('#');
    if (hash == std::string::npos) return {url, {}};
    return {url.substr(0, hash), url.substr(hash + 1)};
}

}  // namespace

int TopicLinks::addTopic(const std::string& filePath) {
    topics_.push_back(normalizedPath(filePath));
    return static_cast<int>(topics_.size()) - 1;
}

std::string TopicLinks::addAnchor(int topic, const std::string& name) {
    std::string bookmark = topicBookmark(topic) + "_" + std::to_string(++anchorCount_);
    anchors_[{topic, name}] = bookmark;
    return bookmark;
}

std::string TopicLinks::topicBookmark(int topic) { return kTopicPrefix + std::to_string(topic); }

int TopicLinks::topicOfBookmark(const std::string& bookmark) {
    const std::string prefix = kTopicPrefix;
    if (bookmark.compare(0, prefix.size(), prefix) != 0 || bookmark.size() == prefix.size())
        return -1;
    const std::string digits = bookmark.substr(prefix.size());
    if (digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return -1;
    return std::stoi(digits);
}

std::optional<std::string> TopicLinks::resolve(const std::string& url, int current) const {
    if (url.empty()) return std::nullopt;
    if (url[0] == '#') {
        if (current < 0) return std::nullopt;
        return resolveInTopic(current, percentDecoded(url.substr(1)));
    }
    std::string path;
    if (const auto filePath = pathOfFileUrl(url)) {
        path = *filePath;
    } else if (hasScheme(url)) {
        return std::nullopt;  // web pages, mail and the like
    } else if (current >= 0 && current < topicCount()) {
        // A relative address: relative to the folder of the topic it is in.
        const auto [relative, fragment] = splitFragment(url);
        path = (std::filesystem::path(topics_[static_cast<std::size_t>(current)]).parent_path() /
                percentDecoded(relative))
                   .string();
        if (!fragment.empty()) path += "#" + fragment;
    } else {
        return std::nullopt;
    }
    const auto [file, fragment] = splitFragment(path);
    const int topic = topicOfPath(file);
    if (topic < 0) return std::string();
    if (const auto anchor = resolveInTopic(topic, fragment)) return anchor;
    return "#" + topicBookmark(topic);
}

std::optional<std::string> TopicLinks::resolveInTopic(int topic,
                                                      const std::string& fragment) const {
    if (fragment.empty()) return "#" + topicBookmark(topic);
    if (const auto exact = anchors_.find({topic, fragment}); exact != anchors_.end())
        return "#" + exact->second;
    // Help viewers match anchor names without regard to case.
    for (const auto& [key, bookmark] : anchors_) {
        if (key.first == topic && key.second.size() == fragment.size() &&
            StartsWithNoCase(key.second, fragment))
            return "#" + bookmark;
    }
    return std::nullopt;
}

std::optional<std::string> TopicLinks::pathOfFileUrl(const std::string& url) {
    if (!StartsWithNoCase(url, "file:")) return std::nullopt;
    std::string rest = url.substr(5);
    if (rest.compare(0, 2, "//") == 0) {
        const auto slash = rest.find('/', 2);  // skip the host part ("localhost" or empty)
        rest = slash == std::string::npos ? std::string("/") : rest.substr(slash);
    }
    const auto [path, fragment] = splitFragment(rest);
    std::string decoded = percentDecoded(path);
    if (!fragment.empty()) decoded += "#" + percentDecoded(fragment);
    return decoded;
}

std::string TopicLinks::percentDecoded(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() &&
            std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

int TopicLinks::topicOfPath(const std::string& path) const {
    const std::string wanted = normalizedPath(path);
    for (std::size_t i = 0; i < topics_.size(); ++i)
        if (topics_[i] == wanted) return static_cast<int>(i);
    return -1;
}

// Decompiled help files are matched the way the help viewer matches them:
// without regard to case, after "." and ".." are resolved.
std::string TopicLinks::normalizedPath(const std::string& path) {
    return ToLowerAscii(std::filesystem::path(path).lexically_normal().string());
}

}  // namespace platform::office
