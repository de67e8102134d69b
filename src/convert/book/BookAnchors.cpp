#include "convert/book/BookAnchors.h"

#include <libxml/tree.h>

#include <algorithm>
#include <cctype>

#include "convert/book/AnchorNames.h"
#include "convert/book/HtmlPage.h"
#include "platform/text/AsciiText.h"

namespace {

void CollectBelow(const xmlNode* node, int depth, std::vector<std::string>& names) {
    if (depth > 1000) return;
    for (const xmlNode* child = node->children; child; child = child->next) {
        if (!html::IsElement(child)) continue;
        if (html::Name(child) == "a" && html::HasAttribute(child, "name"))
            names.push_back(html::Attribute(child, "name"));
        if (html::HasAttribute(child, "id")) names.push_back(html::Attribute(child, "id"));
        CollectBelow(child, depth + 1, names);
    }
}

}  // namespace

BookAnchors::BookAnchors(std::size_t topics) : topics_(topics) {}

void BookAnchors::Include(int topic, const std::vector<std::string>& names) {
    if (topic < 0) return;
    if (static_cast<std::size_t>(topic) >= topics_.size()) topics_.resize(topic + 1);
    Topic& entry = topics_[static_cast<std::size_t>(topic)];
    entry.included = true;
    for (const std::string& name : names) {
        if (name.empty()) continue;
        entry.exact.emplace(name, true);
        entry.byLowerCase.emplace(platform::ToLowerAscii(name), name);
    }
}

bool BookAnchors::Included(int topic) const {
    return topic >= 0 && static_cast<std::size_t>(topic) < topics_.size() &&
           topics_[static_cast<std::size_t>(topic)].included;
}

std::string BookAnchors::Destination(int topic, const std::string& fragment) const {
    if (!Included(topic)) return {};
    const Topic& entry = topics_[static_cast<std::size_t>(topic)];
    if (fragment.empty()) return TopicAnchor(topic);
    if (entry.exact.count(fragment) != 0) return FragmentAnchor(topic, fragment);
    const auto loose = entry.byLowerCase.find(platform::ToLowerAscii(fragment));
    if (loose != entry.byLowerCase.end()) return FragmentAnchor(topic, loose->second);
    return TopicAnchor(topic);
}

std::vector<std::string> CollectAnchors(const HtmlPage& page) {
    std::vector<std::string> names;
    if (const xmlNode* root = page.Root()) CollectBelow(root, 0, names);
    return names;
}
