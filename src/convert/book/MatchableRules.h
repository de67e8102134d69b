#pragma once
// The rules of a sheet that can match some element of one page. litehtml
// tries every rule on every element; a help file's sheet of a few thousand
// rules, most for classes the page never uses, costs more than the rest of
// the page's cascade. A rule stays unless one of the elements it names needs
// a tag, class or id the page does not hold, so the page's styles are the
// same with the subset as with the whole sheet.

#include <litehtml.h>

#include <string>
#include <string_view>
#include <unordered_set>

class PageVocabulary {
public:
    PageVocabulary();

    void AddElement(std::string_view tag);
    void AddClasses(std::string_view classAttribute);
    void AddId(std::string_view id);

    // Whether the page holds, for each element `selector` names, an element
    // with its tag, classes and id.
    bool CanMatch(const litehtml::css_selector& selector) const;

private:
    bool CanMatch(const litehtml::css_element_selector& element) const;

    std::unordered_set<std::string> tags_;
    std::unordered_set<std::string> classes_;
    std::unordered_set<std::string> ids_;
};

// Adds the rules of `sheet` that can match on the page to `subset`, in the
// sheet's order, which is the order they apply in. The rules are shared,
// not copied.
void AddMatchableRules(const litehtml::css& sheet, const PageVocabulary& page,
                       litehtml::css& subset);
