#include "convert/book/TopicCharset.h"

#include <algorithm>
#include <cctype>

#include "convert/chm/HelpLanguage.h"
#include "platform/text/AsciiText.h"
#include "platform/text/TextEncoding.h"

namespace {

// A declaration further in than this is not looked for; browsers look at the
// first kilobyte, help pages sometimes put scripts or comments before it.
constexpr std::size_t kDeclarationWindow = 8192;

std::string FromByteOrderMark(std::string_view page) {
    if (page.substr(0, 3) == "\xEF\xBB\xBF") return "UTF-8";
    if (page.substr(0, 2) == "\xFF\xFE") return "UTF-16LE";
    if (page.substr(0, 2) == "\xFE\xFF") return "UTF-16BE";
    return {};
}

// The value after "charset=" at `at`: letters, digits and "-_.:" only.
std::string CharsetValueAt(const std::string& text, std::size_t at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '"' || text[at] == '\'')) ++at;
    std::size_t end = at;
    while (end < text.size() &&
           (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '-' ||
            text[end] == '_' || text[end] == '.' || text[end] == ':'))
        ++end;
    return text.substr(at, end - at);
}

// The charset named by the first <meta ...> element that names one.
std::string FromMetaElement(std::string_view page) {
    const std::string head = platform::ToLowerAscii(page.substr(0, kDeclarationWindow));
    for (std::size_t meta = head.find("<meta"); meta != std::string::npos;
         meta = head.find("<meta", meta + 5)) {
        const std::size_t close = head.find('>', meta);
        const std::string element =
            head.substr(meta, close == std::string::npos ? std::string::npos : close - meta);
        const std::size_t charset = element.find("charset");
        if (charset == std::string::npos) continue;
        std::size_t at = charset + 7;
        while (at < element.size() && element[at] == ' ') ++at;
        if (at < element.size() && element[at] == '=') {
            const std::string value = CharsetValueAt(element, at + 1);
            if (!value.empty()) return value;
        }
    }
    return {};
}

}  // namespace

std::string DeclaredCharset(std::string_view page) {
    if (std::string mark = FromByteOrderMark(page); !mark.empty()) return mark;
    const std::string meta = FromMetaElement(page);
    return meta.empty() ? std::string() : CharsetOfHtmlName(meta);
}

std::string TopicCharset(std::string_view page, const std::string& helpFileCharset) {
    if (std::string declared = DeclaredCharset(page); !declared.empty()) return declared;
    // Authoring tools write UTF-8 without saying so; text in a legacy code
    // page practically never forms valid UTF-8 by chance.
    if (LooksLikeUtf8(page)) return "UTF-8";
    if (!helpFileCharset.empty() && platform::IsKnownCharset(helpFileCharset))
        return helpFileCharset;
    return "WINDOWS-1252";
}
