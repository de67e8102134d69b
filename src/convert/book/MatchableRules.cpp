#include "convert/book/MatchableRules.h"

#include "platform/text/AsciiText.h"

namespace {

// Elements the parser adds to a page that does not write them.
constexpr std::string_view kImpliedElements[] = {"html", "head",     "body", "tbody",
                                                 "tr",   "colgroup", "p"};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

}  // namespace

PageVocabulary::PageVocabulary() {
    for (std::string_view tag : kImpliedElements) tags_.emplace(tag);
}

void PageVocabulary::AddElement(std::string_view tag) { tags_.insert(platform::ToLowerAscii(tag)); }

void PageVocabulary::AddClasses(std::string_view classAttribute) {
    std::size_t i = 0;
    while (i < classAttribute.size()) {
        while (i < classAttribute.size() && IsSpace(classAttribute[i])) ++i;
        const std::size_t start = i;
        while (i < classAttribute.size() && !IsSpace(classAttribute[i])) ++i;
        if (i > start)
            classes_.insert(platform::ToLowerAscii(classAttribute.substr(start, i - start)));
    }
}

void PageVocabulary::AddId(std::string_view id) { ids_.insert(platform::ToLowerAscii(id)); }

bool PageVocabulary::CanMatch(const litehtml::css_element_selector& selector) const {
    if (!selector.m_tag.empty() && selector.m_tag != "*" &&
        tags_.count(platform::ToLowerAscii(selector.m_tag)) == 0)
        return false;
    for (const litehtml::css_attribute_selector& attribute : selector.m_attrs) {
        if (attribute.condition != litehtml::select_equal) continue;
        if (attribute.attribute == "id" && ids_.count(platform::ToLowerAscii(attribute.val)) == 0)
            return false;
        if (attribute.attribute != "class") continue;
        for (const std::string& name : attribute.class_val)
            if (classes_.count(platform::ToLowerAscii(name)) == 0) return false;
    }
    return true;
}

bool PageVocabulary::CanMatch(const litehtml::css_selector& selector) const {
    for (const litehtml::css_selector* part = &selector; part != nullptr; part = part->m_left.get())
        if (!CanMatch(part->m_right)) return false;
    return true;
}

void AddMatchableRules(const litehtml::css& sheet, const PageVocabulary& page,
                       litehtml::css& subset) {
    // litehtml lets only its parser add rules; `subset` is no const object,
    // so its list may be written through the reader it offers.
    auto& rules = const_cast<litehtml::css_selector::vector&>(subset.selectors());
    for (const litehtml::css_selector::ptr& rule : sheet.selectors())
        if (page.CanMatch(*rule)) rules.push_back(rule);
}
