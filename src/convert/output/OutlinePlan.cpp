#include "convert/output/OutlinePlan.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "platform/text/AsciiText.h"

namespace {

class Planner {
public:
    Planner(const std::vector<std::string>& topics, const BookAnchors& anchors)
        : anchors_(anchors) {
        for (std::size_t i = 0; i < topics.size(); ++i)
            topicOf_.emplace(platform::ToLowerAscii(topics[i]), static_cast<int>(i));
    }

    std::vector<platform::PdfOutlineItem> Items(const ContentsTree& entries) {
        std::vector<platform::PdfOutlineItem> items;
        for (const ContentsEntry& entry : entries) {
            platform::PdfOutlineItem item{entry.Name, Destination(entry), Items(entry.Children)};
            if (item.Destination.empty() && item.Children.empty()) continue;
            if (!item.Destination.empty()) anyPlace_ = true;
            items.push_back(std::move(item));
        }
        return items;
    }

    bool AnyPlace() const { return anyPlace_; }

    void Places(const ContentsTree& entries, std::vector<BookPlace>& places) const {
        for (const ContentsEntry& entry : entries) {
            if (const int topic = TopicOf(entry); topic >= 0)
                places.push_back({topic, entry.Fragment});
            Places(entry.Children, places);
        }
    }

private:
    int TopicOf(const ContentsEntry& entry) const {
        if (entry.Topic.empty()) return -1;
        const auto found = topicOf_.find(platform::ToLowerAscii(entry.Topic));
        return found == topicOf_.end() ? -1 : found->second;
    }

    std::string Destination(const ContentsEntry& entry) const {
        const int topic = TopicOf(entry);
        return topic < 0 ? std::string() : anchors_.Destination(topic, entry.Fragment);
    }

    const BookAnchors& anchors_;
    std::unordered_map<std::string, int> topicOf_;
    bool anyPlace_ = false;
};

}  // namespace

std::vector<platform::PdfOutlineItem> OutlineFromContents(const ContentsTree& contents,
                                                          const std::vector<std::string>& topics,
                                                          const BookAnchors& anchors) {
    Planner planner(topics, anchors);
    auto items = planner.Items(contents);
    if (!planner.AnyPlace()) items.clear();
    return items;
}

std::vector<BookPlace> OutlinePlaces(const ContentsTree& contents,
                                     const std::vector<std::string>& topics) {
    const BookAnchors none;
    std::vector<BookPlace> places;
    Planner(topics, none).Places(contents, places);
    return places;
}
