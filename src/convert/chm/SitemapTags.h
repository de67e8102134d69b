#pragma once
// The tags of a contents (.hhc) or index (.hhk) file, read one after the
// other the way a lenient HTML reader reads them: names without regard to
// letter case, attribute values in double quotes, single quotes or none,
// comments skipped. Text between tags is passed over. Every byte is looked
// at a bounded number of times, so any input is read in linear time; an
// unterminated quote or comment runs to the end of the text.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct SitemapTag {
    std::string Name;  // lower case, without "/"
    bool Closing = false;
    // Attribute names in lower case; values as written (bytes, undecoded).
    std::vector<std::pair<std::string, std::string_view>> Attributes;

    // The value of the first attribute of that (lower-case) name.
    std::optional<std::string_view> Attribute(std::string_view name) const;
};

class SitemapTags {
public:
    explicit SitemapTags(std::string_view text) : text_(text) {}
    // The next tag, or nothing at the end of the text.
    std::optional<SitemapTag> Next();

private:
    bool SkipMarkupDeclaration();
    void ReadAttributes(SitemapTag& tag);
    std::string_view ReadValue();
    void SkipBlanks();

    std::string_view text_;
    std::size_t at_ = 0;
};
