#include "convert/book/AnchorNames.h"

#include <cctype>

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void AppendHex(unsigned char byte, std::string& out) {
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

}  // namespace

std::string TopicAnchor(int topic) { return "PellinTopic" + std::to_string(topic); }

std::string FragmentAnchor(int topic, std::string_view name) {
    std::string anchor = TopicAnchor(topic) + "-";
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) && byte < 0x80) {
            anchor += c;
        } else {
            anchor += '-';
            AppendHex(byte, anchor);
        }
    }
    return anchor;
}

std::string RelativeUrl(const std::string& folder, const std::string& path) {
    std::string relative = path;
    if (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
        path[folder.size()] == '/')
        relative = path.substr(folder.size() + 1);
    std::string url;
    for (char c : relative) {
        const auto byte = static_cast<unsigned char>(c);
        if ((std::isalnum(byte) && byte < 0x80) || c == '-' || c == '.' || c == '_' || c == '~' ||
            c == '/') {
            url += c;
        } else {
            url += '%';
            AppendHex(byte, url);
        }
    }
    return url;
}
