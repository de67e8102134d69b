#include "console/TvxErrorReport.h"

#include <algorithm>
#include <string_view>

#include "core/TvxInfo.h"
#include "platform/text/EscapedText.h"

namespace {

bool NeedsQuotes(const std::string& message) {
    return std::any_of(message.begin(), message.end(), [](char c) {
        return static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"';
    });
}

std::string Quoted(const std::string& message) {
    std::string quoted = "\"";
    for (char c : message) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// What a path is reduced to: "*" and the extension of its last name, "*/"
// for a folder.
std::string Reduced(const std::string& path) {
    if (path.back() == '/') return "*/";
    const std::string name = path.substr(path.rfind('/') + 1);
    const auto dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? "*" : "*" + name.substr(dot);
}

bool EndsWord(const std::string& text, std::size_t at) {
    const char c = text[at];
    if (std::string_view(" \t\r\n\"'()[],;=").find(c) != std::string_view::npos) return true;
    // "Cannot open /a/b.chm: reason" ends the path at the colon.
    return c == ':' && (at + 1 == text.size() || text[at + 1] == ' ');
}

std::string ReduceWords(const std::string& text) {
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && !EndsWord(text, end)) ++end;
        const std::string word = text.substr(start, end - start);
        out += word.find('/') == std::string::npos ? word : Reduced(word);
        if (end < text.size()) out += text[end];
        start = end + 1;
    }
    return out;
}

std::string ReplaceKnown(std::string text, const std::string& path) {
    for (auto at = text.find(path); at != std::string::npos; at = text.find(path, at + 1))
        text.replace(at, path.size(), Reduced(path));
    return text;
}

}  // namespace

std::vector<std::string> ReportableMessages(const std::vector<std::string>& failureMessages,
                                            std::vector<std::string> knownPaths) {
    // The longest first, so that a folder never cuts a file name below it.
    std::sort(knownPaths.begin(), knownPaths.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    std::vector<std::string> reported;
    for (std::string message : failureMessages) {
        for (const std::string& path : knownPaths)
            if (path.find('/') != std::string::npos) message = ReplaceKnown(message, path);
        message = ReduceWords(message);
        if (std::find(reported.begin(), reported.end(), message) == reported.end())
            reported.push_back(message);
    }
    return reported;
}

std::string ErrorReportAction(const std::vector<std::string>& failureMessages) {
    std::string text;
    for (const auto& original : failureMessages) {
        const std::string message = platform::EscapeControls(original);
        if (!text.empty()) text += ',';
        text += NeedsQuotes(message) ? Quoted(message) : message;
    }
    std::string escaped;
    for (char c : text) escaped += c == '?' ? std::string("%3F") : std::string(1, c);
    return "err&e=" + escaped;
}
