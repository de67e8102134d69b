#include "convert/book/MimeArchive.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

#include "platform/files/FileWrite.h"
#include "platform/text/AsciiText.h"
#include "platform/text/TextReplace.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxParts = 10000;
constexpr std::size_t kMaxNameBytes = 200;

struct Part {
    std::string type;  // lower-case media type
    std::string charset;
    std::string encoding;  // lower-case transfer encoding
    std::string location;
    std::string id;
    std::string body;  // decoded
};

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
}

// Header lines with their folded continuations joined; stops at the first
// empty line, whose end is returned through `end`.
std::vector<std::string> HeaderLines(std::string_view text, std::size_t& end) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t eol = text.find('\n', at);
        if (eol == std::string_view::npos) eol = text.size();
        std::string_view line = text.substr(at, eol - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        at = eol + 1;
        if (line.empty()) break;
        if ((line.front() == ' ' || line.front() == '\t') && !lines.empty())
            lines.back() += " " + Trimmed(line);
        else
            lines.emplace_back(line);
    }
    end = std::min(at, text.size());
    return lines;
}

// The value of header `name` (lower-case, without ":"), or empty.
std::string Header(const std::vector<std::string>& lines, const std::string& name) {
    for (const std::string& line : lines) {
        const auto colon = line.find(':');
        if (colon != std::string::npos &&
            platform::ToLowerAscii(Trimmed(line.substr(0, colon))) == name)
            return Trimmed(line.substr(colon + 1));
    }
    return {};
}

// A parameter of a header value such as `multipart/related; boundary="x"`.
std::string Parameter(const std::string& value, const std::string& name) {
    const std::string lower = platform::ToLowerAscii(value);
    std::size_t at = lower.find(name + "=");
    if (at == std::string::npos) return {};
    at += name.size() + 1;
    if (at < value.size() && value[at] == '"') {
        const auto close = value.find('"', at + 1);
        return value.substr(at + 1,
                            close == std::string::npos ? std::string::npos : close - at - 1);
    }
    const auto stop = value.find_first_of("; \t", at);
    return value.substr(at, stop == std::string::npos ? std::string::npos : stop - at);
}

int Base64Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+' || c == '-') return 62;
    if (c == '/' || c == '_') return 63;
    return -1;
}

std::string FromBase64(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 3 / 4);
    unsigned bits = 0;
    int count = 0;
    for (char c : text) {
        const int value = Base64Value(c);
        if (value < 0) continue;
        bits = (bits << 6) | static_cast<unsigned>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out += static_cast<char>((bits >> count) & 0xFF);
        }
    }
    return out;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = platform::ToUpperAscii(c);
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

std::string FromQuotedPrintable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out += text[i];
            continue;
        }
        if (i + 1 < text.size() && (text[i + 1] == '\n' || text[i + 1] == '\r')) {
            i += (text[i + 1] == '\r' && i + 2 < text.size() && text[i + 2] == '\n') ? 2 : 1;
            continue;  // a soft line break
        }
        if (i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
            continue;
        }
        out += '=';
    }
    return out;
}

Part ReadPart(std::string_view text) {
    std::size_t bodyStart = 0;
    const auto lines = HeaderLines(text, bodyStart);
    Part part;
    const std::string type = Header(lines, "content-type");
    part.type = platform::ToLowerAscii(Trimmed(type.substr(0, type.find(';'))));
    part.charset = Parameter(type, "charset");
    part.encoding = platform::ToLowerAscii(Header(lines, "content-transfer-encoding"));
    part.location = Header(lines, "content-location");
    part.id = Header(lines, "content-id");
    if (part.id.size() >= 2 && part.id.front() == '<' && part.id.back() == '>')
        part.id = part.id.substr(1, part.id.size() - 2);
    const std::string_view body = text.substr(bodyStart);
    if (part.encoding == "base64")
        part.body = FromBase64(body);
    else if (part.encoding == "quoted-printable")
        part.body = FromQuotedPrintable(body);
    else
        part.body = std::string(body);
    return part;
}

std::vector<Part> SplitParts(std::string_view bytes, const std::string& boundary) {
    std::vector<Part> parts;
    const std::string delimiter = "--" + boundary;
    std::size_t at = bytes.find(delimiter);
    while (at != std::string_view::npos && parts.size() < kMaxParts) {
        const std::size_t start = bytes.find('\n', at);
        if (start == std::string_view::npos) break;
        if (bytes.compare(at + delimiter.size(), 2, "--") == 0) break;  // the closing delimiter
        const std::size_t next = bytes.find(delimiter, start);
        const std::size_t stop = next == std::string_view::npos ? bytes.size() : next;
        parts.push_back(ReadPart(bytes.substr(start + 1, stop - start - 1)));
        at = next;
    }
    return parts;
}

// A name safe to write in the folder: letters, digits and "-._" only.
std::string SafeName(std::string_view wanted, const std::string& fallback) {
    std::string name;
    for (char c : wanted) {
        const auto byte = static_cast<unsigned char>(c);
        name += (std::isalnum(byte) && byte < 0x80) || c == '-' || c == '.' || c == '_' ? c : '_';
    }
    if (name.empty() || name.front() == '.' || name.size() > kMaxNameBytes) return fallback;
    return name;
}

std::string LastComponent(const std::string& location) {
    const auto slash = location.find_last_of("/\\");
    return slash == std::string::npos ? location : location.substr(slash + 1);
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    platform::WriteFileBytes(path.string(), bytes, path.string());
}

}  // namespace

bool IsMimeArchive(std::string_view bytes) {
    std::size_t end = 0;
    const auto lines = HeaderLines(bytes.substr(0, 16384), end);
    return platform::ToLowerAscii(Header(lines, "content-type")).find("multipart/") !=
               std::string::npos &&
           !Parameter(Header(lines, "content-type"), "boundary").empty();
}

std::optional<UnpackedPage> UnpackMimeArchive(std::string_view bytes, const std::string& folder) {
    std::size_t bodyStart = 0;
    const auto lines = HeaderLines(bytes, bodyStart);
    const std::string boundary = Parameter(Header(lines, "content-type"), "boundary");
    if (boundary.empty()) return std::nullopt;
    std::vector<Part> parts = SplitParts(bytes.substr(bodyStart), boundary);
    const auto page = std::find_if(parts.begin(), parts.end(),
                                   [](const Part& p) { return p.type == "text/html"; });
    if (page == parts.end()) return std::nullopt;
    std::error_code error;
    fs::create_directories(folder, error);
    std::string html = page->body;
    int number = 0;
    for (const Part& part : parts) {
        if (&part == &*page) continue;
        const std::string name =
            std::to_string(++number) + "-" + SafeName(LastComponent(part.location), "part");
        WriteFile(fs::path(folder) / name, part.body);
        // The page names its parts by their full location, by the location
        // relative to its own, or by their content id.
        if (!part.location.empty()) {
            html = platform::ReplaceAll(html, part.location, name);
            const std::string pageFolder =
                page->location.substr(0, page->location.find_last_of("/\\") + 1);
            if (!pageFolder.empty() && part.location.rfind(pageFolder, 0) == 0)
                html = platform::ReplaceAll(html, part.location.substr(pageFolder.size()), name);
        }
        if (!part.id.empty()) html = platform::ReplaceAll(html, "cid:" + part.id, name);
    }
    const fs::path pagePath = fs::path(folder) / "page.html";
    WriteFile(pagePath, html);
    return UnpackedPage{pagePath.string(), page->charset};
}
