#include "convert/book/TopicCharset.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>

namespace {

// A declaration further in than this is not looked for; browsers look at the
// first kilobyte, help pages sometimes put scripts or comments before it.
constexpr std::size_t kDeclarationWindow = 8192;

std::string Lowered(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

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
    const std::string head = Lowered(page.substr(0, kDeclarationWindow));
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

// Names pages use that iconv spells otherwise, and the labels that mean a
// wider set in practice (as browsers read them).
std::string IconvName(const std::string& declared) {
    if (declared == "utf8" || declared == "unicode-1-1-utf-8") return "UTF-8";
    if (declared == "unicode" || declared == "utf-16") return "UTF-16LE";
    if (declared == "iso-8859-1" || declared == "latin1" || declared == "us-ascii" ||
        declared == "ascii")
        return "WINDOWS-1252";
    if (declared == "gb2312" || declared == "gbk" || declared == "x-gbk") return "GB18030";
    if (declared == "shift_jis" || declared == "x-sjis" || declared == "sjis") return "CP932";
    if (declared == "ks_c_5601-1987" || declared == "euc-kr") return "CP949";
    if (declared == "big5") return "BIG5-HKSCS";
    std::string upper = declared;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

}  // namespace

bool IsKnownCharset(const std::string& charset) {
    if (charset.empty()) return false;
    const iconv_t handle = iconv_open("UTF-8", charset.c_str());
    if (handle == reinterpret_cast<iconv_t>(-1)) return false;
    iconv_close(handle);
    return true;
}

std::string DeclaredCharset(std::string_view page) {
    if (std::string mark = FromByteOrderMark(page); !mark.empty()) return mark;
    const std::string declared = IconvName(FromMetaElement(page));
    return IsKnownCharset(declared) ? declared : std::string();
}

std::string TopicCharset(std::string_view page, const std::string& helpFileCharset) {
    if (std::string declared = DeclaredCharset(page); !declared.empty()) return declared;
    if (IsKnownCharset(helpFileCharset)) return helpFileCharset;
    return "WINDOWS-1252";
}
