#include "convert/book/OfficeCss.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

// Measured on LibreOffice 7: "p.x", "h1.x", "pre.x", "blockquote.x", "em.x",
// "strong.x" and "code.x" apply; these elements' "name.x" do not.
constexpr std::array<std::string_view, 10> kIgnoredWithClass{"a",  "b",    "div", "font", "i",
                                                             "li", "span", "td",  "th",   "u"};

bool SameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// "span.note" or "span.note.wide" alone: the classes; else the selector as written.
std::string OneSelector(std::string_view selector) {
    const std::string_view plain = Trimmed(selector);
    const auto dot = plain.find('.');
    if (dot == std::string_view::npos || dot == 0) return std::string(selector);
    const std::string_view element = plain.substr(0, dot);
    const bool ignored =
        std::any_of(kIgnoredWithClass.begin(), kIgnoredWithClass.end(),
                    [&](std::string_view name) { return SameNoCase(name, element); });
    if (!ignored) return std::string(selector);
    const std::string_view classes = plain.substr(dot);
    for (std::size_t i = 0; i < classes.size(); ++i)
        if (!(IsNameChar(classes[i]) ||
              (classes[i] == '.' && i + 1 < classes.size() && IsNameChar(classes[i + 1]))))
            return std::string(selector);
    std::string classesOnly(selector);
    classesOnly.erase(static_cast<std::size_t>(plain.data() - selector.data()), dot);
    return classesOnly;
}

bool NamesBody(std::string_view prelude) {
    for (std::size_t start = 0; start <= prelude.size();) {
        std::size_t comma = prelude.find(',', start);
        if (comma == std::string_view::npos) comma = prelude.size();
        if (SameNoCase(Trimmed(prelude.substr(start, comma - start)), "body")) return true;
        start = comma + 1;
    }
    return false;
}

// The value of the block's font-family declaration, empty when it has none.
std::string FontFamilyOf(std::string_view block) {
    std::string lowered(block);
    for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto at = lowered.rfind("font-family");
    if (at == std::string::npos) return {};
    const auto colon = lowered.find(':', at);
    if (colon == std::string::npos || !Trimmed(lowered.substr(at + 11, colon - at - 11)).empty())
        return {};
    const auto end = std::min(lowered.find(';', colon), block.size());
    return std::string(Trimmed(block.substr(colon + 1, end - colon - 1)));
}

std::string Prelude(std::string_view prelude) {
    if (!Trimmed(prelude).empty() && Trimmed(prelude).front() == '@') return std::string(prelude);
    std::string result;
    std::size_t start = 0;
    for (std::size_t comma = prelude.find(','); start <= prelude.size();
         comma = prelude.find(',', start)) {
        if (comma == std::string_view::npos) comma = prelude.size();
        if (start > 0) result += ',';
        result += OneSelector(prelude.substr(start, comma - start));
        start = comma + 1;
    }
    return result;
}

}  // namespace

std::string CssForOfficeImport(std::string_view css) {
    std::string result;
    result.reserve(css.size());
    std::size_t preludeStart = 0;                    // where the text before the next "{" began
    std::size_t bodyBlock = std::string_view::npos;  // where the block of a "body" rule began
    char quote = 0;
    for (std::size_t i = 0; i < css.size(); ++i) {
        const char c = css[i];
        if (quote != 0) {
            if (c == '\\')
                ++i;
            else if (c == quote)
                quote = 0;
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '{') {
            const std::string_view prelude = css.substr(preludeStart, i - preludeStart);
            bodyBlock = NamesBody(prelude) ? i + 1 : std::string_view::npos;
            result += Prelude(prelude);
            result += c;
            preludeStart = i + 1;
        } else if (c == '}' || c == ';') {
            result.append(css.substr(preludeStart, i + 1 - preludeStart));
            preludeStart = i + 1;
            if (c == '}' && bodyBlock != std::string_view::npos) {
                const std::string family = FontFamilyOf(css.substr(bodyBlock, i - bodyBlock));
                if (!family.empty())
                    result += "\nh1, h2, h3, h4, h5, h6 { font-family: " + family + " }\n";
                bodyBlock = std::string_view::npos;
            }
        }
    }
    result.append(css.substr(std::min(preludeStart, css.size())));
    return result;
}
