#include "convert/chm/ContentsTreeReader.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "convert/chm/HelpLanguage.h"
#include "convert/chm/HelpTreeSearch.h"
#include "convert/chm/HtmlValueText.h"
#include "convert/chm/SitemapTags.h"
#include "convert/chm/TopicLinkReader.h"
#include "convert/chm/TopicList.h"
#include "platform/text/AsciiText.h"
#include "platform/text/TextEncoding.h"

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

// The charset of a <meta charset=...> or <meta http-equiv="Content-Type"
// content="text/html; charset=...">.
std::string CharsetOfMeta(const SitemapTag& meta) {
    if (const auto charset = meta.Attribute("charset"))
        return CharsetOfHtmlName(std::string(*charset));
    const auto content = meta.Attribute("content");
    if (!content) return {};
    const std::string lower = platform::ToLowerAscii(*content);
    const auto at = lower.find("charset=");
    if (at == std::string::npos) return {};
    const std::string value = lower.substr(at + 8);
    return CharsetOfHtmlName(value.substr(0, value.find(';')));
}

// The charset declared before the first entry, or empty.
std::string DeclaredCharset(std::string_view text) {
    SitemapTags tags(text);
    while (const auto tag = tags.Next()) {
        if (tag->Name == "object" || tag->Name == "ul" || tag->Name == "li") break;
        if (tag->Name != "meta" || tag->Closing) continue;
        if (std::string charset = CharsetOfMeta(*tag); !charset.empty()) return charset;
    }
    return {};
}

// An entry's title: control characters are blanks, and blanks around it go.
std::string CleanName(std::string name) {
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return std::string(platform::Trim(name));
}

// Builds the tree from the tags in text order. Only the innermost list is
// ever appended to, so the pointers to the enclosing lists stay valid.
class TreeBuilder {
public:
    TreeBuilder(const TopicLinkReader& links, std::string charset)
        : links_(links),
          charset_(std::move(charset)),
          names_(IsSingleByteCharset(charset_) ? ReferenceReading::AsCodePage
                                               : ReferenceReading::AsCharacter) {}
    TreeBuilder(const TreeBuilder&) = delete;
    TreeBuilder& operator=(const TreeBuilder&) = delete;

    void Take(const SitemapTag& tag);
    ContentsTree Finish() {
        EndObject();
        return std::move(root_);
    }

private:
    void OpenList();
    void CloseList();
    void EndObject();
    std::optional<ContentsEntry> MakeEntry() const;
    std::string Name(std::string_view raw) const {
        return CleanName(DecodeValueText(raw, charset_, names_));
    }
    TopicLink Link(std::optional<std::string_view> local,
                   std::optional<std::string_view> url) const;

    const TopicLinkReader& links_;
    const std::string charset_;
    const ReferenceReading names_;
    ContentsTree root_;
    // lists_[i] receives the entries inside i + 1 open lists (the first
    // <UL> holds the top entries, which go to the root).
    std::vector<ContentsTree*> lists_{&root_};
    std::size_t openLists_ = 0;
    bool inSitemapObject_ = false;
    std::vector<std::pair<std::string, std::string_view>> params_;
};

void TreeBuilder::Take(const SitemapTag& tag) {
    if (tag.Name == "param") {
        if (!inSitemapObject_ || tag.Closing) return;
        params_.emplace_back(platform::ToLowerAscii(tag.Attribute("name").value_or("")),
                             tag.Attribute("value").value_or(""));
        return;
    }
    if (tag.Name != "object" && tag.Name != "ul" && tag.Name != "li") return;
    EndObject();  // an object left open ends at the next item or list
    if (tag.Name == "ul") {
        tag.Closing ? CloseList() : OpenList();
    } else if (tag.Name == "object" && !tag.Closing) {
        const auto type = tag.Attribute("type").value_or("");
        inSitemapObject_ = platform::ToLowerAscii(platform::Trim(type)) == "text/sitemap";
    }
}

void TreeBuilder::OpenList() {
    ++openLists_;
    if (openLists_ == 1) return;
    ContentsTree* parent = lists_.back();
    // A list without an entry before it, and lists past the deepest level,
    // add to the enclosing list.
    if (parent->empty() || lists_.size() >= ContentsTreeReader::MaxDepth)
        lists_.push_back(parent);
    else
        lists_.push_back(&parent->back().Children);
}

void TreeBuilder::CloseList() {
    if (openLists_ == 0) return;  // a stray </UL>
    --openLists_;
    if (lists_.size() > 1) lists_.pop_back();
}

void TreeBuilder::EndObject() {
    if (inSitemapObject_) {
        if (auto entry = MakeEntry()) lists_.back()->push_back(std::move(*entry));
    }
    inSitemapObject_ = false;
    params_.clear();
}

TopicLink TreeBuilder::Link(std::optional<std::string_view> local,
                            std::optional<std::string_view> url) const {
    TopicLink link;
    if (local) link = links_.Read(*local);
    // "URL" names the page of entries made for the web, or one merged from
    // another help file; it counts when "Local" names no page.
    if (link.Topic.empty() && url) {
        const bool localMissing = link.Missing;
        link = links_.Read(*url);
        link.Missing = link.Missing || (localMissing && link.Topic.empty());
    }
    if (link.Topic.empty()) link.Fragment.clear();
    return link;
}

std::optional<ContentsEntry> TreeBuilder::MakeEntry() const {
    std::optional<std::string_view> name, local, url;
    std::string_view lastName;
    // An index keyword lists its further pages as more Name/Local pairs.
    std::vector<std::pair<std::string_view, std::string_view>> morePages;
    for (const auto& [key, value] : params_) {
        if (key == "name") {
            if (!name) name = value;
            lastName = value;
        } else if (key == "local") {
            if (!local)
                local = value;
            else
                morePages.emplace_back(lastName, value);
        } else if (key == "url" && !url) {
            url = value;
        }
    }
    if (!name && !local && !url) return std::nullopt;
    ContentsEntry entry;
    entry.Name = Name(name.value_or(""));
    TopicLink link = Link(local, url);
    entry.Topic = std::move(link.Topic);
    entry.Fragment = std::move(link.Fragment);
    entry.Missing = link.Missing;
    for (const auto& [pageName, pageLocal] : morePages) {
        TopicLink page = Link(pageLocal, std::nullopt);
        if (page.Topic.empty()) continue;
        entry.Children.push_back(
            {Name(pageName), std::move(page.Topic), std::move(page.Fragment), {}});
    }
    return entry;
}

void CollectTopics(const ContentsTree& tree, TopicCollector& collector) {
    for (const auto& entry : tree) {
        if (!entry.Topic.empty()) collector.Add(entry.Topic);
        CollectTopics(entry.Children, collector);
    }
}

}  // namespace

std::string ContentsCharset(std::string_view text, const std::string& helpCharset) {
    if (text.starts_with(Utf8Mark)) return "UTF-8";
    if (std::string declared = DeclaredCharset(text); !declared.empty()) return declared;
    if (LooksLikeUtf8(text)) return "UTF-8";
    return helpCharset.empty() ? std::string("WINDOWS-1252") : helpCharset;
}

ContentsTreeReader::ContentsTreeReader(const DecompiledFiles& files, std::string helpCharset)
    : files_(files), helpCharset_(std::move(helpCharset)) {}

ContentsTree ContentsTreeReader::Read(std::string_view text,
                                      const std::string& relativeFile) const {
    // A file saved as UTF-16 is read as its UTF-8 text.
    std::string converted;
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
        converted = platform::ToUtf8(text.substr(2), text[0] == '\xFF' ? "UTF-16LE" : "UTF-16BE");
        text = converted;
    }
    const std::string charset = ContentsCharset(text, helpCharset_);
    const TopicLinkReader links(files_, FolderOf(relativeFile), charset);
    TreeBuilder builder(links, charset);
    SitemapTags tags(text.starts_with(Utf8Mark) ? text.substr(Utf8Mark.size()) : text);
    while (const auto tag = tags.Next()) builder.Take(*tag);
    return builder.Finish();
}

std::vector<std::string> TopicsOfTree(const ContentsTree& tree) {
    std::vector<std::string> topics;
    TopicCollector collector(topics);
    CollectTopics(tree, collector);
    return topics;
}

std::size_t DepthOfTree(const ContentsTree& tree) {
    std::size_t deepest = 0;
    for (const auto& entry : tree) deepest = std::max(deepest, 1 + DepthOfTree(entry.Children));
    return deepest;
}

std::size_t MissingEntriesOfTree(const ContentsTree& tree) {
    std::size_t missing = 0;
    for (const auto& entry : tree)
        missing += (entry.Missing ? 1 : 0) + MissingEntriesOfTree(entry.Children);
    return missing;
}
