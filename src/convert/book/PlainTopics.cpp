#include "convert/book/PlainTopics.h"

#include <cstdio>

#include "platform/text/AsciiText.h"
#include "platform/text/MarkupEscape.h"

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

// The prolog an SVG file may open with: a byte-order mark, blanks, the XML
// declaration, comments and a document type, each skipped up to its end.
bool StartsWithSvg(std::string_view bytes) {
    if (bytes.starts_with(Utf8Mark)) bytes.remove_prefix(Utf8Mark.size());
    for (int parts = 0; parts < 64; ++parts) {
        const auto start = bytes.find_first_not_of(" \t\r\n");
        if (start == std::string_view::npos) return false;
        bytes.remove_prefix(start);
        std::string_view end;
        if (bytes.starts_with("<?"))
            end = "?>";
        else if (bytes.starts_with("<!--"))
            end = "-->";
        else if (bytes.starts_with("<!"))
            end = ">";
        else
            return platform::ToLowerAscii(bytes.substr(0, 4)) == "<svg" &&
                   (bytes.size() == 4 ||
                    std::string_view(" \t\r\n/>").find(bytes[4]) != std::string_view::npos);
        const auto close = bytes.find(end, 2);
        if (close == std::string_view::npos) return false;
        bytes.remove_prefix(close + end.size());
    }
    return false;
}

bool IsPicture(std::string_view bytes) {
    if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a") ||
        bytes.starts_with("\x89PNG\r\n\x1A\n") || bytes.starts_with("\xFF\xD8\xFF"))
        return true;
    // "BM", the file size, two reserved words, then a known header size.
    if (bytes.size() > 18 && bytes.starts_with("BM")) {
        const auto header = static_cast<unsigned char>(bytes[14]);
        if ((header == 12 || header == 40 || header == 56 || header == 108 || header == 124) &&
            bytes.substr(15, 3) == std::string_view("\0\0\0", 3))
            return true;
    }
    return StartsWithSvg(bytes.substr(0, 4096));
}

// The file's own name as an address relative to its folder.
std::string AddressOfName(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string address;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~') {
            address += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            address += escaped;
        }
    }
    return address;
}

}  // namespace

std::optional<std::string> PageForPlainTopic(const std::string& path, std::string_view bytes,
                                             std::string& charset) {
    if (IsPicture(bytes))
        return "<html><body><p><img src=\"" + AddressOfName(path) + "\"></p></body></html>";
    if (!platform::EndsWithNoCase(path, ".txt")) return std::nullopt;
    if (bytes.starts_with(Utf8Mark)) {
        bytes.remove_prefix(Utf8Mark.size());
        charset = "UTF-8";
    }
    std::string page = "<html><body><pre>";
    platform::AppendMarkupEscaped(bytes, page, platform::Quotes::Kept);
    return page + "</pre></body></html>";
}
