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

void CollectLinksBelow(const xmlNode* node, int depth, std::vector<std::string>& links) {
    if (depth > 1000) return;
    for (const xmlNode* child = node->children; child; child = child->next) {
        if (!html::IsElement(child)) continue;
        const std::string name = html::Name(child);
        if ((name == "a" || name == "area") && html::HasAttribute(child, "href"))
            links.push_back(html::Attribute(child, "href"));
        CollectLinksBelow(child, depth + 1, links);
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

void BookAnchors::Target(const BookPlace& place) {
    if (!Included(place.topic) || place.fragment.empty()) return;
    Topic& entry = topics_[static_cast<std::size_t>(place.topic)];
    std::string name = Written(entry, place.fragment);
    if (!name.empty()) entry.targeted.insert(std::move(name));
}

void BookAnchors::KeepTargetsOnly() { targetsOnly_ = true; }

bool BookAnchors::Kept(int topic, const std::string& name) const {
    if (!targetsOnly_) return true;
    return Included(topic) && topics_[static_cast<std::size_t>(topic)].targeted.count(name) != 0;
}

std::string BookAnchors::Written(const Topic& entry, const std::string& fragment) {
    if (entry.exact.count(fragment) != 0) return fragment;
    const auto loose = entry.byLowerCase.find(platform::ToLowerAscii(fragment));
    return loose != entry.byLowerCase.end() ? loose->second : std::string();
}

std::string BookAnchors::Destination(int topic, const std::string& fragment) const {
    if (!Included(topic)) return {};
    if (fragment.empty()) return TopicAnchor(topic);
    const std::string name = Written(topics_[static_cast<std::size_t>(topic)], fragment);
    if (name.empty() || !Kept(topic, name)) return TopicAnchor(topic);
    return FragmentAnchor(topic, name);
}

std::vector<std::string> CollectAnchors(const HtmlPage& page) {
    std::vector<std::string> names;
    if (const xmlNode* root = page.Root()) CollectBelow(root, 0, names);
    return names;
}

std::vector<std::string> CollectLinks(const HtmlPage& page) {
    std::vector<std::string> links;
    if (const xmlNode* root = page.Root()) CollectLinksBelow(root, 0, links);
    return links;
}
