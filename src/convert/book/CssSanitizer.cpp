#include "convert/book/CssSanitizer.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/text/AsciiText.h"

namespace {

using platform::FindNoCase;

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
}

std::string ReplaceWordNoCase(std::string text, std::string_view word, std::string_view with) {
    for (std::size_t at = FindNoCase(text, word, 0); at != std::string::npos;
         at = FindNoCase(text, word, at + with.size()))
        text.replace(at, word.size(), with);
    return text;
}

// Reads an address at `at` (after "url(" or "@import"): a quoted string or,
// inside url(), everything up to ")". Returns it and moves `at` past it.
std::string ReadAddress(const std::string& css, std::size_t& at, bool inUrl) {
    while (at < css.size() && std::isspace(static_cast<unsigned char>(css[at]))) ++at;
    if (at < css.size() && (css[at] == '"' || css[at] == '\'')) {
        const char quote = css[at++];
        const std::size_t end = css.find(quote, at);
        const std::size_t stop = end == std::string::npos ? css.size() : end;
        std::string address = css.substr(at, stop - at);
        at = end == std::string::npos ? css.size() : end + 1;
        return address;
    }
    if (!inUrl) return {};
    const std::size_t end = css.find(')', at);
    const std::size_t stop = end == std::string::npos ? css.size() : end;
    std::string address = css.substr(at, stop - at);
    while (!address.empty() && std::isspace(static_cast<unsigned char>(address.back())))
        address.pop_back();
    at = stop;
    return address;
}

void SkipPast(const std::string& css, std::size_t& at, char c) {
    const std::size_t found = css.find(c, at);
    at = found == std::string::npos ? css.size() : found + 1;
}

}  // namespace

CssSanitizer::CssSanitizer(AddressMap addresses, ImportLoader imports)
    : addresses_(std::move(addresses)), imports_(std::move(imports)) {}

std::string CssSanitizer::Sanitize(std::string_view css) const {
    std::string safe = RewriteUrls(RewriteImports(WithoutComments(css)));
    // What is left cannot name code or behaviour to run.
    safe = ReplaceWordNoCase(std::move(safe), "expression(", "invalid(");
    safe = ReplaceWordNoCase(std::move(safe), "javascript:", "invalid:");
    safe = ReplaceWordNoCase(std::move(safe), "behavior", "x-behaviour");
    safe = ReplaceWordNoCase(std::move(safe), "-moz-binding", "x-binding");
    return safe;
}

// Comments go; so do backslash escapes (which could spell "url" in another
// way) and "<" (which could end the <style> element the sheet is put in).
std::string CssSanitizer::WithoutComments(std::string_view css) const {
    std::string out;
    out.reserve(css.size());
    for (std::size_t i = 0; i < css.size(); ++i) {
        if (css[i] == '/' && i + 1 < css.size() && css[i + 1] == '*') {
            const std::size_t end = css.find("*/", i + 2);
            if (end == std::string_view::npos) break;
            i = end + 1;
            continue;
        }
        if (css[i] == '\\' || css[i] == '<' || css[i] == '\0') continue;
        out += css[i];
    }
    return out;
}

std::string CssSanitizer::RewriteImports(const std::string& css) const {
    std::string out;
    std::size_t copied = 0;
    for (std::size_t at = FindNoCase(css, "@import", 0); at != std::string::npos;
         at = FindNoCase(css, "@import", copied)) {
        out.append(css, copied, at - copied);
        std::size_t cursor = at + 7;
        while (cursor < css.size() && std::isspace(static_cast<unsigned char>(css[cursor])))
            ++cursor;
        const bool inUrl = FindNoCase(css, "url(", cursor) == cursor;
        if (inUrl) cursor += 4;
        const std::string address = ReadAddress(css, cursor, inUrl);
        SkipPast(css, cursor, ';');
        if (imports_) {
            if (const auto sheet = imports_(address)) out += *sheet + "\n";
        }
        copied = cursor;
    }
    out.append(css, copied);
    return out;
}

std::string CssSanitizer::RewriteUrls(const std::string& css) const {
    std::string out;
    std::size_t copied = 0;
    for (std::size_t at = FindNoCase(css, "url(", 0); at != std::string::npos;
         at = FindNoCase(css, "url(", at + 4)) {
        if (at > 0 && IsNameChar(css[at - 1])) continue;  // part of a longer name
        out.append(css, copied, at - copied);
        std::size_t cursor = at + 4;
        const std::string address = ReadAddress(css, cursor, true);
        SkipPast(css, cursor, ')');
        const auto mapped = addresses_ ? addresses_(address) : std::nullopt;
        out += mapped ? "url(\"" + *mapped + "\")" : std::string("none");
        copied = cursor;
        at = cursor - 4 < at ? at : cursor - 4;
    }
    out.append(css, copied);
    return out;
}
