#include "convert/chm/SitemapTags.h"

#include "platform/text/AsciiText.h"

namespace {

constexpr std::size_t MaxAttributes = 32;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsNameCharacter(char c) { return IsLetter(c) || (c >= '0' && c <= '9'); }

}  // namespace

std::optional<std::string_view> SitemapTag::Attribute(std::string_view name) const {
    for (const auto& [key, value] : Attributes)
        if (key == name) return value;
    return std::nullopt;
}

std::optional<SitemapTag> SitemapTags::Next() {
    while (at_ < text_.size()) {
        const auto open = text_.find('<', at_);
        if (open == std::string_view::npos) break;
        at_ = open + 1;
        if (SkipMarkupDeclaration()) continue;
        SitemapTag tag;
        if (at_ < text_.size() && text_[at_] == '/') {
            tag.Closing = true;
            ++at_;
        }
        const std::size_t nameStart = at_;
        if (at_ >= text_.size() || !IsLetter(text_[at_])) continue;  // a lone "<" in the text
        while (at_ < text_.size() && IsNameCharacter(text_[at_])) ++at_;
        tag.Name = platform::ToLowerAscii(text_.substr(nameStart, at_ - nameStart));
        ReadAttributes(tag);
        return tag;
    }
    at_ = text_.size();
    return std::nullopt;
}

// Comments ("<!-- ... -->"), declarations ("<!DOCTYPE ...>") and processing
// instructions ("<?...>") hold no tags; `at_` is just after the "<".
bool SitemapTags::SkipMarkupDeclaration() {
    const std::string_view rest = text_.substr(at_);
    std::string_view end;
    if (rest.starts_with("!--")) {
        end = "-->";
        at_ += 3;
    } else if (rest.starts_with("!") || rest.starts_with("?")) {
        end = ">";
    } else {
        return false;
    }
    const auto close = text_.find(end, at_);
    at_ = close == std::string_view::npos ? text_.size() : close + end.size();
    return true;
}

void SitemapTags::SkipBlanks() {
    while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
}

void SitemapTags::ReadAttributes(SitemapTag& tag) {
    while (true) {
        while (at_ < text_.size() && (IsBlank(text_[at_]) || text_[at_] == '/')) ++at_;
        if (at_ >= text_.size()) return;
        if (text_[at_] == '>') {
            ++at_;
            return;
        }
        const std::size_t nameStart = at_;
        while (at_ < text_.size() && !IsBlank(text_[at_]) && text_[at_] != '=' &&
               text_[at_] != '>' && text_[at_] != '/')
            ++at_;
        std::string name = platform::ToLowerAscii(text_.substr(nameStart, at_ - nameStart));
        SkipBlanks();
        std::string_view value;
        if (at_ < text_.size() && text_[at_] == '=') {
            ++at_;
            SkipBlanks();
            value = ReadValue();
        }
        // Sitemap tags have two or three attributes; a flood of them is noise.
        if (tag.Attributes.size() < MaxAttributes)
            tag.Attributes.emplace_back(std::move(name), value);
    }
}

std::string_view SitemapTags::ReadValue() {
    if (at_ >= text_.size()) return {};
    const char quote = text_[at_];
    if (quote == '"' || quote == '\'') {
        const std::size_t start = at_ + 1;
        const auto close = text_.find(quote, start);
        const std::size_t end = close == std::string_view::npos ? text_.size() : close;
        at_ = close == std::string_view::npos ? text_.size() : close + 1;
        return text_.substr(start, end - start);
    }
    const std::size_t start = at_;
    while (at_ < text_.size() && !IsBlank(text_[at_]) && text_[at_] != '>') ++at_;
    return text_.substr(start, at_ - start);
}
